#pragma once
// Resource ids, shared by kestrave.rc and the program. Defines only, so that
// the resource compiler can read this header too.
//
// Prefixes: IDD_ dialogs, IDC_ controls, IDM_ menus and menu commands,
// IDS_ strings, IDI_ icons, IDCUR_ cursors.

// Icon
#define IDI_KESTRAVE 1000

// Main window
#define IDD_MAIN_WINDOW 2000
#define IDC_SITE_DESCRIPTION 2001
#define IDC_LONGITUDE 2002
#define IDC_LATITUDE 2003
#define IDC_CITY 2004
#define IDC_SATELLITE_TABLE 2005

// Tooltips of the main window's controls: each string has its control's id.
#define IDS_TIP_SITE_DESCRIPTION 2001
#define IDS_TIP_LONGITUDE 2002
#define IDS_TIP_LATITUDE 2003
#define IDS_TIP_CITY 2004
#define IDS_TIP_SATELLITE_TABLE 2005

// Satellite dialog
#define IDD_SATELLITE_DIALOG 2600
#define IDC_SATELLITE_LONGITUDE 2601
#define IDC_SATELLITE_DESCRIPTION 2602

// Details window: the selected satellite from the site of the last recalculation
#define IDD_DETAILS_WINDOW 2700
#define IDC_DETAILS_SATELLITE 2701
#define IDC_DETAILS_SITE 2702
#define IDC_DETAILS_ELEVATION 2703
#define IDC_DETAILS_TRUE_AZIMUTH 2704
#define IDC_DETAILS_DECLINATION 2705
#define IDC_DETAILS_COMPASS 2706
#define IDC_DETAILS_POLARISATION 2707
#define IDC_DETAILS_RANGE 2708
#define IDC_DETAILS_OFFSET 2710
#define IDC_DETAILS_DISH 2711
#define IDC_DETAILS_BAND 2712
#define IDC_DETAILS_NEXT_OUTAGE 2713
#define IDC_DETAILS_LATER_OUTAGE 2714
#define IDC_DETAILS_LINE_OF_SIGHT 2715
#define IDC_DETAILS_SUN_AIM 2716
#define IDC_DETAILS_MOTOR_ANGLE 2718
#define IDC_DETAILS_POLAR_MOUNT 2719
#define IDC_DETAILS_SKY 2720

// Obstacles dialog: the sectors of the horizon that buildings and trees hide
#define IDD_OBSTACLES 2800
#define IDC_OBSTACLE_LIST 2801
#define IDC_OBSTACLE_FROM 2802
#define IDC_OBSTACLE_TO 2803
#define IDC_OBSTACLE_ELEVATION 2804
#define IDC_OBSTACLE_ADD 2805
#define IDC_OBSTACLE_CHANGE 2806
#define IDC_OBSTACLE_DELETE 2807
#define IDC_OBSTACLE_COMPASS 2808
#define IDC_OBSTACLE_SITE 2809

// Multifeed dialog: further LNBs on one dish beside the selected satellite's
#define IDD_MULTIFEED 2900
#define IDC_MULTIFEED_MAIN 2901
#define IDC_MULTIFEED_FOCAL_LENGTH 2902
#define IDC_MULTIFEED_DIAMETER 2903
#define IDC_MULTIFEED_LIST 2904
#define IDC_MULTIFEED_ADVICE 2905
#define IDC_MULTIFEED_BAR 2906

// Main menu and its commands
#define IDM_MAIN_MENU 3000
#define IDM_RECALCULATE 3001
#define IDM_EXIT 3002
#define IDM_OPEN_LIST 3003
#define IDM_SAVE_LIST 3004
#define IDM_EXPORT_RESULTS 3005
#define IDM_SAVE_SHEET 3006
#define IDM_ADD_SATELLITE 3011
#define IDM_MODIFY_SATELLITE 3012
#define IDM_DELETE_SATELLITES 3013
#define IDM_COPY_RESULTS 3014
#define IDM_SATELLITE_DETAILS 3015
#define IDM_LOAD_CURRENT_LIST 3016
#define IDM_RESTORE_BUILT_IN_LIST 3017
#define IDM_OBSTACLES 3018
#define IDM_RESTORE_PREVIOUS_LIST 3019
#define IDM_MULTIFEED 3020
#define IDM_ABOUT 3021
// Ctrl+A in the table: an accelerator's command, in no menu.
#define IDM_SELECT_ALL_ROWS 3030

// The main window's accelerator tables: anywhere in it, and in the table only.
#define IDA_MAIN_WINDOW_KEYS 3040
#define IDA_SATELLITE_TABLE_KEYS 3041

// About box, its two link labels and the hand cursor shown over them
#define IDD_ABOUT_BOX 9000
#define IDC_HOME_PAGE_LINK 9001
#define IDC_MAIL_LINK 9002
#define IDCUR_HAND 9003
