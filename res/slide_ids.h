// Image slide show settings popup and the reference image's face.
#pragma once

#define IDD_IMAGESLIDE 146
#define IDC_SLIDE_INTERVAL 1014
#define IDC_SLIDE_SPIN 1015
#define IDC_SLIDE_RANDOM 1017
#define IDC_SLIDE_FILENAME 1018
#define IDC_SLIDE_MULTIVIEWER 1019
#define IDC_SLIDE_CLEAR 1021
#define IDC_SLIDE_DELETE 1022
#define IDC_SLIDE_UP 1023
#define IDC_SLIDE_DOWN 1024
#define IDC_SLIDE_LIST 1026

#define IDB_ONEIMAGE 147
