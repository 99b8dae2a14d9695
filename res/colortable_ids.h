// The colour table tidget.
#define IDB_COLORTABLE 194
