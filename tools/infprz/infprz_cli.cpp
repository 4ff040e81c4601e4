#include "infprz_cli.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "file_replace.h"
#include "infprz_commands.h"
#include "settings_fields.h"

namespace infprz {

namespace {

constexpr char kDefaultFile[] = "infprz.dat";

// Sets `target` from an option only when the option was given.
template <typename T>
void Given(CLI::Option* option, std::optional<T>& target, const T& value) {
  if (option->count() > 0) target = value;
}

}  // namespace

int RunInfprz(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  CLI::App app{"Reads, writes and repairs the reminder's settings file (infprz.dat) of talvenor.dll.", "infprz"};
  app.require_subcommand(1);
  app.failure_message([](const CLI::App*, const CLI::Error& e) {
    return "infprz: " + std::string(e.what()) + "\nRun 'infprz --help' for more information.\n";
  });
  app.footer(
      "FILE is infprz.dat in the current directory unless given. Texts are UTF-8 and must fit the host's\n"
      "code page (Mazovia). Exit status: 0 done, 1 a file could not be read or written, 2 the command line\n"
      "or a value was refused (nothing is written then).");

  std::string file = kDefaultFile;
  const auto addFile = [&file](CLI::App* command) {
    command->add_option("FILE", file, "settings file (default: ./infprz.dat)")->type_name("");
  };

  ShowRequest show;
  CLI::App* showCommand = app.add_subcommand("show", "print the settings readably, or as JSON");
  addFile(showCommand);
  showCommand->add_flag("--json", show.json, "the whole record as JSON, as 'import' reads it");
  showCommand->add_flag("--show-password", show.showPassword, "include the password itself");

  std::string jsonFile;
  CLI::App* importCommand = app.add_subcommand("import", "replace the settings with those of a JSON file");
  importCommand->add_option("JSON", jsonFile, "JSON file as 'show --json' writes it; - reads standard input")
      ->required()
      ->type_name("");
  addFile(importCommand);

  std::string text, password, startDate, interval, fromTime, toTime;
  int row = 0;
  CLI::App* setCommand = app.add_subcommand(
      "set", "change single fields; without any, rewrite the file repaired");
  addFile(setCommand);
  CLI::Option* textOption = setCommand->add_option("--text", text, "the reminder text; a line break fills its line");
  CLI::Option* passwordOption = setCommand->add_option("--password", password, "the password; '' removes it")->type_name("PASSWORD");
  CLI::Option* rowOption = setCommand->add_option("--row", row, "the schedule row (1 to 3) the next four change")->type_name("N");
  CLI::Option* dateOption =
      setCommand->add_option("--start-date", startDate, "DD.MM.YYYY or YYYYMMDD; '' takes the row out of use")->type_name("DATE");
  CLI::Option* intervalOption = setCommand->add_option("--interval", interval, "minutes, -32767 to 32767")->type_name("MINUTES");
  CLI::Option* fromOption = setCommand->add_option("--from", fromTime, "earliest time HH:MM:SS; '' for none")->type_name("TIME");
  CLI::Option* toOption = setCommand->add_option("--to", toTime, "latest time HH:MM:SS; '' for none")->type_name("TIME");
  bool on = false, off = false;
  CLI::Option* onOption = setCommand->add_flag("--on", on, "switch the reminder on");
  CLI::Option* offOption = setCommand->add_flag("--off", off, "switch the reminder off");
  onOption->excludes(offOption);
  for (CLI::Option* rowField : {dateOption, intervalOption, fromOption, toOption}) rowField->needs(rowOption);

  CLI::App* clearCommand = app.add_subcommand("clear-password", "remove the password");
  addFile(clearCommand);

  bool force = false;
  CLI::App* initCommand = app.add_subcommand("init", "write a new file with the empty configuration");
  addFile(initCommand);
  initCommand->add_flag("--force", force, "replace an existing file");

  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    app.parse(reversed);
    if (rowOption->count() > 0 && dateOption->count() + intervalOption->count() + fromOption->count() + toOption->count() == 0)
      throw CLI::ValidationError("--row", "needs --start-date, --interval, --from or --to");
  } catch (const CLI::ParseError& e) {
    return app.exit(e, out, err) == 0 ? kExitOk : kExitUsage;
  }

  try {
    const fs::path path = PathFromUtf8(file);
    if (showCommand->parsed()) {
      ShowSettings(path, show, out, err);
    } else if (importCommand->parsed()) {
      ImportSettings(jsonFile, path, in, err);
    } else if (setCommand->parsed()) {
      SetRequest request;
      Given(textOption, request.text, text);
      Given(passwordOption, request.password, password);
      Given(rowOption, request.row, row);
      Given(dateOption, request.startDate, startDate);
      Given(intervalOption, request.interval, interval);
      Given(fromOption, request.fromTime, fromTime);
      Given(toOption, request.toTime, toTime);
      Given(onOption, request.enabled, true);
      Given(offOption, request.enabled, false);
      SetSettings(path, request, err);
    } else if (clearCommand->parsed()) {
      ClearPassword(path, err);
    } else if (initCommand->parsed()) {
      InitSettings(path, force);
    }
  } catch (const InvalidInput& e) {
    err << "infprz: " << e.what() << "; nothing written\n";
    return kExitUsage;
  } catch (const FileError& e) {
    err << "infprz: " << e.what() << "\n";
    return kExitFailure;
  } catch (const std::exception& e) {
    err << "infprz: " << e.what() << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace infprz
