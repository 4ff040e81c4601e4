#pragma once
// The host's numbers and names that the plug-in, the stand-in host and the
// settings tool all speak, each written once.
#include <cstdint>

namespace talvenor {

// The plug-in interface version this plug-in speaks (HostInterfaceVersion).
inline constexpr std::int32_t kHostInterfaceVersion = 112;

// Key codes: BIOS style, scan code high, character low.
inline constexpr std::uint32_t kShiftF10 = 0x5D00;     // opens the reminder's configuration
inline constexpr std::uint32_t kConsumedKey = 0xFFFF;  // a hook's answer for a key it ate

// HostMessageBox / HostMessageBoxF styles, and the bits the host reads in
// them: a beep as the box opens, and the alarm's colours and frame.
inline constexpr std::int32_t kBoxSoundBit = 0x4000;
inline constexpr std::int32_t kBoxAlarmBit = 0x8000;
inline constexpr std::int32_t kNoticeBoxStyle = 1;  // a plain notice
inline constexpr std::int32_t kAlarmBoxStyle = kBoxAlarmBit | kBoxSoundBit | kNoticeBoxStyle;  // the version-mismatch STOP
static_assert(kAlarmBoxStyle == 0xC001);

// The host state flag the plug-in holds set while its own work runs.
inline constexpr std::int32_t kPluginStateFlag = 0x8000;

// HostFileOpen's share argument: others may read and write meanwhile.
inline constexpr std::int32_t kShareDenyNone = 0x40;

// HostConvertText's code-page numbers.
inline constexpr std::int32_t kCodeMazovia = 1;
inline constexpr std::int32_t kCodeWindows1250 = 3;

// Names the plug-in passes to the platform and the host as they stand.
inline constexpr char kHostModuleName[] = "MOLRAV";
inline constexpr char kSettingsFileName[] = "infprz.dat";
inline constexpr char kMarkerFileName[] = "talvenor.xxx";
inline constexpr char kReadMode[] = "rb";
inline constexpr char kWriteMode[] = "wb";

}  // namespace talvenor
