// Numbers of the program's resources and controls, shared by the resource
// script and the pages. Plain #defines: the resource compiler reads this too.
#pragma once

#define IDD_ABOUTBOX            100
#define IDS_ABOUTBOX            101
#define IDD_DETAIL_SETTING      102
#define IDR_MAINFRAME           128
#define IDD_SELECT_OS           129
#define IDD_CREATE_PORT         138
#define IDD_SELECT_PORT         139
#define RT_DIALOG_INIT          240

#define IDM_ABOUTBOX            0x0010

// Operating-system page (129)
#define IDC_OS_WIN95            1000
#define IDC_OS_WIN98            1001
#define IDC_OS_NT4              1002
#define IDC_OS_WIN2000          1003
#define IDC_OS_XP               1004
#define IDC_OS_WIN7             1005
#define IDC_OS_WIN8             1006
#define IDC_OS_2003             1011
#define IDC_OS_VISTA            1020
#define IDC_OS_SLIDER           1007
#define IDC_OS_BACK             1008
#define IDC_OS_NEXT             1009
#define IDC_OS_EXIT             1010
#define IDC_OS_EDIT             1013
#define IDC_OS_USB_DRIVER       1022
#define IDC_OS_USB_DRIVER_OLD   1023

// Detail-settings page (102)
#define IDC_DETAIL_BACK         1008
#define IDC_DETAIL_NEXT         1009
#define IDC_DETAIL_EXIT         1010
#define IDC_MODEL_COMBO         1011
#define IDC_DEFAULT_CHECK       1012
#define IDC_PRINTER_NAME        1013
#define IDC_PORT_COMBO          1014
#define IDC_BAUD_COMBO          1015
#define IDC_DATABITS_COMBO      1016
#define IDC_FLOW_COMBO          1017
#define IDC_PARITY_COMBO        1018
#define IDC_STOPBITS_COMBO      1019

// Port page (139)
#define IDC_PORT_LIST           1021
#define IDC_CREATE_PORT         1008
#define IDC_CONFIGURE_PORT      1009
#define IDC_PORT_BACK           1010
#define IDC_INSTALL             1022
#define IDC_PORT_CANCEL         1023
#define IDC_PORT_SLIDER         1007
#define IDC_PROGRESS            1025

// Port-creation dialog (138)
#define IDC_MONITOR_LIST        1021
#define IDC_NEW_PORT            1008
#define IDC_CREATE_CLOSE        1009
