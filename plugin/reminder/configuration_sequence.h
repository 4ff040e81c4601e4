#pragma once
// Shift-F10: the reminder's configuration, behind its password when one is
// set, saved on every path.
namespace talvenor {

// Runs the password dialog (when a password is set), the configuration
// dialog and the save (the key hook holds the host's state flag meanwhile).
// A save that did not land is told in a notice: after the configuration
// dialog always, after a wrong password when it emptied the file.
// Settings that exist but cannot be read are left alone: no dialog and no
// save, only a notice that the file cannot be read.
void RunConfigurationSequence();

}  // namespace talvenor
