# The packages CPack makes from the install tree: on Linux the Debian package
# (cpack --preset deb), on Windows the portable zip and the installer
# (cpack --preset windows):
#   tavio-biorhythm-chart_<version>_<arch>.deb
#   tavio-biorhythm-chart-<version>-windows-x64.zip  (one folder,
#                                                     tavio-biorhythm-chart-<version>)
#   tavio-biorhythm-chart-<version>-setup.exe
set(CPACK_PACKAGE_NAME ${BIORHYTHM_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavio")
set(CPACK_PACKAGE_CONTACT "Tavio <support@${BIORHYTHM_SITE_HOST}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Biorhythm chart for a birthday and a report day")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Pick a birthday and a report day, and it draws the physical, emotional and intellectual\n"
  "biorhythm cycles over the 28 days around the report day, with an explanation of each.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# Values reach CPack as written here, quotes and dollar signs included.
set(CPACK_VERBATIM_VARIABLES ON)

if(NOT WIN32)
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://${BIORHYTHM_SITE_HOST}/")
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  include(CPack)
  return()
endif()

set(CPACK_GENERATOR "ZIP;NSIS")
set(BIORHYTHM_DISPLAY_NAME "Tavio Biorhythm Chart")
# The zip's one folder; cmake/CPackWindows.cmake names the files.
set(CPACK_PACKAGE_FILE_NAME ${BIORHYTHM_PACKAGE_NAME}-${PROJECT_VERSION})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/CPackWindows.cmake)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${BIORHYTHM_DISPLAY_NAME})
# The key of the Apps & features entry, as earlier installers wrote it, so
# that a new one finds and removes an earlier install.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY TavioBiorhythmChart)
set(CPACK_PACKAGE_EXECUTABLES TavioFreeBiorhythmChartSoftware ${BIORHYTHM_DISPLAY_NAME})

set(CPACK_NSIS_PACKAGE_NAME ${BIORHYTHM_DISPLAY_NAME})
set(CPACK_NSIS_DISPLAY_NAME ${BIORHYTHM_DISPLAY_NAME})
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MUI_ICON ${BIORHYTHM_ICON_DIR}/${BIORHYTHM_APP_ID}.ico)
set(CPACK_NSIS_MUI_UNIICON ${BIORHYTHM_ICON_DIR}/${BIORHYTHM_APP_ID}.ico)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME TavioFreeBiorhythmChartSoftware.exe)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN TavioFreeBiorhythmChartSoftware.exe)
set(CPACK_NSIS_URL_INFO_ABOUT "http://${BIORHYTHM_SITE_HOST}/")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
# What CPack's template has no setting for, at the top of the script:
# - a 64-bit installer (Debian's Wine runs no 32-bit one, and a 64-bit one
#   reads and writes the 64-bit registry view, where Apps & features looks);
# - the version in the installer's file properties;
# - GetSize, for the size that Apps & features shows.
string(CONCAT CPACK_NSIS_DEFINES
  "  Target amd64-unicode\n"
  "  VIProductVersion \"${PROJECT_VERSION}.0.0\"\n"
  "  VIAddVersionKey \"ProductName\" \"${BIORHYTHM_DISPLAY_NAME}\"\n"
  "  VIAddVersionKey \"CompanyName\" \"${CPACK_PACKAGE_VENDOR}\"\n"
  "  VIAddVersionKey \"FileDescription\" \"${BIORHYTHM_DISPLAY_NAME} ${PROJECT_VERSION} Setup\"\n"
  "  VIAddVersionKey \"FileVersion\" \"${PROJECT_VERSION}\"\n"
  "  VIAddVersionKey \"ProductVersion\" \"${PROJECT_VERSION}\"\n"
  "  VIAddVersionKey \"LegalCopyright\" \"Copyright (c) 2026 The Tavio Biorhythm Chart developers\"\n"
  "  !include \"FileFunc.nsh\"\n")
# The rest of the Apps & features entry: where it is, how to remove it
# silently, and its size.
set(_uninstall_key "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}")
string(CONCAT CPACK_NSIS_EXTRA_INSTALL_COMMANDS
  "  WriteRegStr SHCTX \"${_uninstall_key}\" \"InstallLocation\" \"$INSTDIR\"\n"
  "  WriteRegStr SHCTX \"${_uninstall_key}\" \"QuietUninstallString\" '\"$INSTDIR\\Uninstall.exe\" /S'\n"
  "  \${GetSize} \"$INSTDIR\" \"/S=0K\" $0 $1 $2\n"
  "  WriteRegDWORD SHCTX \"${_uninstall_key}\" \"EstimatedSize\" $0\n")
include(CPack)
