// Identifiers shared by the resource script and the program: menu commands, the
// toolbar bitmap and the tooltip strings. The menu itself is named by the string
// "IDR_MAIN_MENU".
#pragma once

// Menu and toolbar commands.
#define IDM_OPEN 40001
#define IDM_QUIT 40002
#define IDM_SAVE_AS 40003
#define IDM_ZOOM_IN 40006
#define IDM_ZOOM_OUT 40007
#define IDM_SINGLE_BAND_MODE 40008
#define IDM_THREE_BAND_MODE 40009
#define IDM_ZOOM_TO_FIT 40010
#define IDM_VIEW_DOCUMENT 40011
#define IDM_ABOUT 40012
#define IDM_AUTO_LEVEL_TRUE_COLOUR 40013
#define IDM_APPLY_INPUT_LEVELS 40014
#define IDM_AUTO_LEVEL_NATURAL_COLOUR 40015
#define IDM_APPLY_BAND_CHANGE 40016
#define IDM_ZOOM_ACTUAL_SIZE 40017
#define IDM_LINK_LEVELS 40021
#define IDM_AUTO_LEVEL_CLIP 40030
#define IDM_AUTO_LEVEL_DEVIATION 40031
#define IDM_SPECTRAL_PROFILE 40032
#define IDM_COPY 40033
#define IDM_PRODUCT_INFO 40034

// Product information: a dialog with one read-only text.
#define IDD_PRODUCT_INFO 200
#define IDC_PRODUCT_INFO_TEXT 201

// The toolbar's six 24 x 24 pictures side by side, 8 bits per pixel.
#define IDB_TOOLBAR 110

// Tooltip texts of the toolbar buttons. Only 40014 shares its number with its
// command; the zoom buttons' texts sit at 40015 and 40016.
#define IDS_TIP_OPEN 1
#define IDS_TIP_SAVE_AS 2
#define IDS_TIP_APPLY_BAND_CHANGE 3
#define IDS_TIP_APPLY_INPUT_LEVELS 40014
#define IDS_TIP_ZOOM_IN 40015
#define IDS_TIP_ZOOM_OUT 40016
