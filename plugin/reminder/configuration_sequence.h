#pragma once
// Shift-F10: the reminder's configuration, behind its password when one is
// set, saved on every path.
namespace talvenor {

// Runs the password dialog (when a password is set), the configuration
// dialog and the save (the key hook holds the host's state flag meanwhile).
// A save after the configuration dialog that fails is told in a notice.
// Settings that exist but cannot be read are left alone: no dialog and no
// save, only a notice that the file cannot be read.
void RunConfigurationSequence();

}  // namespace talvenor
