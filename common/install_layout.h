// Everything the three programs share on disk and in the registry: keys, values,
// files, the registered message and the command lines by which one starts another.
// Key paths are relative to HKEY_LOCAL_MACHINE. The installation creates the keys;
// no program creates one.
#pragma once

#include <cstddef>

namespace qor {

// Registry keys.
inline constexpr const char* DRIVER_KEY = "System\\CurrentControlSet\\Services\\VxD\\Qor";
inline constexpr const char* FRONT_PANEL_KEY = "Software\\Orvanta\\Qor\\FrontPanel";
inline constexpr const char* UNINSTALL_KEY =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Qor";
inline constexpr const char* RUN_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* PCI_ENUM_KEY = "Enum\\PCI";
inline constexpr const char* HARDWARE_ID_PREFIX = "VEN_5F3C&DEV_4000";
inline constexpr std::size_t HARDWARE_ID_PREFIX_LENGTH = 17;
inline constexpr const char* MODEM_CLASS_KEY = "System\\CurrentControlSet\\Services\\Class\\Modem";
inline constexpr const char* CLASS_KEY_PREFIX = "System\\CurrentControlSet\\Services\\Class\\";
inline constexpr const char* WAVE_KEY = "System\\CurrentControlSet\\control\\MediaResources\\wave";
inline constexpr const char* WAVE_ENTRY_PREFIX = "lnkwave0.drv";
inline constexpr const char* INSTALLED_FILES_KEY = "System\\CurrentControlSet\\control\\InstalledFiles";
inline constexpr const char* ENUM_KEY = "Enum";
inline constexpr const char* TELEPHONY_LOCATIONS_KEY =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations";

// Values shared between programs or parts.
inline constexpr const char* VALUE_INSTALLED = "Installed";
inline constexpr const char* VALUE_START_APPLET = "StartApplet";
inline constexpr const char* VALUE_SUPPORT_DOS = "SupportDOS";
inline constexpr const char* VALUE_RUN_FRONT_PANEL = "QorFrontPanel";
inline constexpr const char* VALUE_EXEC_STRING = "ExecString";
inline constexpr const char* VALUE_INF_DEFAULT_UNINSTALL = "InfDefaultUninstall";
inline constexpr const char* VALUE_PORTNAME = "PORTNAME";
inline constexpr const char* VALUE_DRIVER = "Driver";
inline constexpr const char* VALUE_QOR_INF_LOCATION = "QorINFLocation";
inline constexpr const char* VALUE_VOICE_INF_LOCATION = "VoiceINFLocation";

// Installed files, by folder. The System and INF folders lie inside the Windows folder.
inline constexpr const char* FILE_QORPANEL = "QORPANEL.EXE";
inline constexpr const char* FILE_QORRMCPL = "QORRMCPL";
inline constexpr const char* FILE_QORSCAN = "QORSCAN.EXE";
inline constexpr const char* FILE_QORRMDEV = "QORRMDEV.EXE";
inline constexpr const char* FILE_QORPORT_VXD = "QORPORT.VXD";
inline constexpr const char* FILE_QOR_DBS_VXD = "QOR_DBS.VXD";
inline constexpr const char* FILE_QORCPL = "QORCPL.CPL";
inline constexpr const char* FILE_MDMQOR_INF = "MDMQOR.INF";
inline constexpr const char* FILE_QORSERWV_INF = "QORSERWV.INF";
inline constexpr const char* FILE_QORPORT_INF = "QORPORT.INF";
inline constexpr const char* SYSTEM_FOLDER_FORMAT = "%s\\System";
inline constexpr const char* INF_FOLDER_FORMAT = "%s\\INF";
inline constexpr const char* STARTUP_BATCH_FORMAT = "%s\\Start Menu\\programs\\startup\\QORRMCPL.BAT";

// The message QORCPL broadcasts when it uninstalls or switches autostart off.
inline constexpr const char* UNINSTALL_MESSAGE = "_MODEM_UNINSTALLED_BY_QORCPL.CPL";

// Command lines by which one program starts another.
inline constexpr const char* COMMAND_CONFIGURE = "control qorcpl.cpl";
inline constexpr const char* COMMAND_DEVICE_REMOVER = "qorrmdev.exe";

// Names that belong to the front panel alone.
inline constexpr const char* PANEL_WINDOW_CLASS = "QORAPPL";

}  // namespace qor
