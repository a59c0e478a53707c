#pragma once

// Resource and control ids of the configuration and About dialogs. Plain
// macros, so that the resource script can use them as well as C++.

#define IDD_CONFIGURE 7001
#define IDD_ABOUT 7002
#define IDB_BANNER 502

// Shared by the banner and the plain labels; no code addresses it.
#define IDC_PLAIN_LABEL 101

// Served by the configuration dialog but absent from its template.
#define IDC_MODEL_PATH 111
#define IDC_BROWSE 112

#define IDC_CENTERING_GROUP 120
#define IDC_XOFF_LABEL 121
#define IDC_XOFF_SLIDER 122
#define IDC_YOFF_LABEL 123
#define IDC_YOFF_SLIDER 124
#define IDC_ZOFF_LABEL 125
#define IDC_ZOFF_SLIDER 126

#define IDC_MOVEMENT_GROUP 130
#define IDC_VEL_LABEL 131
#define IDC_VEL_SLIDER 132
#define IDC_XROT_LABEL 133
#define IDC_XROT_SLIDER 134
#define IDC_YROT_LABEL 135
#define IDC_YROT_SLIDER 136
#define IDC_ZROT_LABEL 137
#define IDC_ZROT_SLIDER 138
#define IDC_XROTS_LABEL 140
#define IDC_XROTS_SLIDER 141
#define IDC_YROTS_LABEL 142
#define IDC_YROTS_SLIDER 143
#define IDC_ZROTS_LABEL 144
#define IDC_ZROTS_SLIDER 145
#define IDC_SCALE_LABEL 146
#define IDC_SCALE_SLIDER 147
#define IDC_BLUR_CHECK 148
#define IDC_LIGHTING_CHECK 149

#define IDC_DEFAULT_BUTTON 150
#define IDC_HELP_BUTTON 151

// The About dialog's credit text.
#define IDC_ABOUT_CREDITS 504
