// The bar's two record lists at start-up: the default set of a first run and the
// bounds on what a stored count may ask for.
#pragma once

#include "core/records.h"

// Stored lines read at most: a damaged count must not make the start-up read
// billions of missing keys. No real bar holds this many panels.
inline constexpr int kMaxStoredLines = 1000;

// The number of "widget_%d" / "tidget_%d" keys to read for a stored count.
int StoredLinesToRead(int storedCount);

// Replaces both lists with the ten default widgets (the battery merged into the
// memory widget's row) and the seven tidgets.
void BuildDefaultSet(RecordList<WidgetInfo>& widgets, RecordList<TidgetInfo>& tidgets);

// After reading the stored lines: a bar with no widget line (a first run, or lines
// lost) gets the default widgets, and the default tidgets only when no tidget line
// could be read either, so stored tidget lines are never written over. Answers
// whether anything was built (then the lists must be saved).
bool FillUnreadLists(RecordList<WidgetInfo>& widgets, RecordList<TidgetInfo>& tidgets);
