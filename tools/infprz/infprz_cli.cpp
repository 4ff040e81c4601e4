#include "infprz_cli.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "contract/host_constants.h"
#include "file_replace.h"
#include "infprz_commands.h"
#include "quoted.h"
#include "settings_fields.h"

#ifndef INFPRZ_VERSION
#define INFPRZ_VERSION "unknown"
#endif

namespace infprz {

namespace {

constexpr const char* kDefaultFile = talvenor::kSettingsFileName;

// The options that take a value, as the check below needs them.
constexpr std::string_view kValueOptions[] = {"--text", "--text-file", "--password", "--row",
                                              "--start-date", "--interval", "--from", "--to"};

// Sets `target` from an option only when the option was given.
template <typename T>
void Given(CLI::Option* option, std::optional<T>& target, const T& value) {
  if (option->count() > 0) target = value;
}

// "--password --on" would set the password to "--on": an option left
// without its value is far likelier than a value that starts with "--".
void RefuseOptionAsValue(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    const std::string& name = args[i];
    if (std::find(std::begin(kValueOptions), std::end(kValueOptions), name) == std::end(kValueOptions)) continue;
    if (!args[i + 1].starts_with("--")) continue;
    throw CLI::ValidationError(name + " has no value before " + args[i + 1] + "; a value that starts with -- is given as " +
                               name + "=" + args[i + 1] + ", an empty one as " + name + "=");
  }
}

// CLI11's own texts, in the tool's words.
std::string UsageMessage(const CLI::Error& e) {
  const std::string name = e.get_name();
  std::string what = e.what();
  const auto cut = [&what](std::string_view prefix) {
    if (what.starts_with(prefix)) what.erase(0, prefix.size());
  };
  if (name == "ExtrasError") {
    cut("The following arguments were not expected: ");
    cut("The following argument was not expected: ");
    return "unexpected " + what + " (one settings file per command; a value with spaces goes in quotes)";
  }
  if (name == "ArgumentMismatch") {
    const std::size_t colon = what.find(':');
    if (what.find("At Most") != std::string::npos) return what.substr(0, colon) + " is given more than once";
    if (colon != std::string::npos && what.find("required") != std::string::npos)
      return what.substr(0, colon) + " needs a value (an empty one: " + what.substr(0, colon) + "=)";
  }
  if (name == "ExcludesError") {
    const std::size_t at = what.find(" excludes ");
    if (at != std::string::npos) return what.substr(0, at) + " and " + what.substr(at + 10) + " cannot be given together";
  }
  if (name == "RequiresError") {
    const std::size_t at = what.find(" requires ");
    if (at != std::string::npos) return what.substr(0, at) + " requires " + what.substr(at + 10) + " (which row it changes)";
  }
  if (name == "RequiredError" && what.starts_with("A subcommand"))
    return "a command is needed: show, import, set, clear-password or init";
  if (name == "RequiredError") return what.substr(0, what.find(' ')) + " is missing";
  if (name == "ConversionError" && what.find("--row") != std::string::npos) return "--row takes a row number, 1 to 3";
  if (name == "ConversionError") return "a value was refused: " + what;
  return what;
}

}  // namespace

int RunInfprz(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  CLI::App app{"Reads, writes and repairs the reminder's settings file (infprz.dat) of talvenor.dll.", "infprz"};
  app.require_subcommand(1);
  app.set_version_flag("--version", "infprz " INFPRZ_VERSION);
  app.failure_message([](const CLI::App*, const CLI::Error& e) {
    return "infprz: " + UsageMessage(e) + "\nRun 'infprz --help' for more information.\n";
  });
  app.footer(
      "FILE is infprz.dat in the current directory unless given. Texts are UTF-8 and must fit the host's\n"
      "code page (Mazovia). An empty value: --password= (in cmd \"\" also works; '' does not).\n"
      "Exit status: 0 done, 1 a file could not be read or written, 2 the command line or a value was\n"
      "refused (nothing is written then).");

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
  CLI::App* importCommand = app.add_subcommand("import", "replace the settings with those of a JSON file (makes FILE)");
  importCommand->add_option("JSON", jsonFile, "JSON file as 'show --json' writes it (UTF-8, or UTF-16 with BOM); - reads standard input")
      ->required()
      ->type_name("");
  addFile(importCommand);

  std::string text, textFile, password, startDate, interval, fromTime, toTime;
  int row = 0;
  bool create = false;
  CLI::App* setCommand = app.add_subcommand(
      "set", "change single fields of an existing file; without any, rewrite it repaired");
  addFile(setCommand);
  CLI::Option* textOption = setCommand->add_option("--text", text, "the reminder text; a line break fills its line");
  CLI::Option* textFileOption =
      setCommand->add_option("--text-file", textFile, "the reminder text from a UTF-8 file, with its line breaks")->type_name("FILE");
  textOption->excludes(textFileOption);
  CLI::Option* passwordOption = setCommand->add_option("--password", password, "the password; --password= removes it")->type_name("PASSWORD");
  CLI::Option* rowOption = setCommand->add_option("--row", row, "the schedule row (1 to 3) the next four change")->type_name("N");
  CLI::Option* dateOption =
      setCommand->add_option("--start-date", startDate, "DD.MM.YYYY, YYYY-MM-DD or YYYYMMDD; --start-date= takes the row out of use")->type_name("DATE");
  CLI::Option* intervalOption = setCommand->add_option("--interval", interval, "minutes, -32767 to 32767")->type_name("MINUTES");
  CLI::Option* fromOption = setCommand->add_option("--from", fromTime, "earliest time HH:MM or HH:MM:SS; --from= for none")->type_name("TIME");
  CLI::Option* toOption = setCommand->add_option("--to", toTime, "latest time HH:MM or HH:MM:SS; --to= for none")->type_name("TIME");
  bool on = false, off = false;
  CLI::Option* onOption = setCommand->add_flag("--on", on, "switch the reminder on");
  CLI::Option* offOption = setCommand->add_flag("--off", off, "switch the reminder off");
  onOption->excludes(offOption);
  for (CLI::Option* rowField : {dateOption, intervalOption, fromOption, toOption}) rowField->needs(rowOption);
  setCommand->add_flag("--create", create, "make FILE when it is missing");

  CLI::App* clearCommand = app.add_subcommand("clear-password", "remove the password of an existing file");
  addFile(clearCommand);
  clearCommand->add_flag("--create", create, "make FILE when it is missing");

  bool force = false;
  CLI::App* initCommand = app.add_subcommand("init", "write a new file with the empty configuration");
  addFile(initCommand);
  initCommand->add_flag("--force", force, "replace an existing file");

  try {
    RefuseOptionAsValue(args);
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
      Given(textFileOption, request.textFile, textFile);
      Given(passwordOption, request.password, password);
      Given(rowOption, request.row, row);
      Given(dateOption, request.startDate, startDate);
      Given(intervalOption, request.interval, interval);
      Given(fromOption, request.fromTime, fromTime);
      Given(toOption, request.toTime, toTime);
      Given(onOption, request.enabled, true);
      Given(offOption, request.enabled, false);
      request.create = create;
      SetSettings(path, request, err);
    } else if (clearCommand->parsed()) {
      ClearPassword(path, create, err);
    } else if (initCommand->parsed()) {
      InitSettings(path, force);
    }
  } catch (const InvalidInput& e) {
    err << "infprz: " << e.what() << "; nothing written\n";
    return kExitUsage;
  } catch (const std::exception& e) {
    err << "infprz: " << e.what() << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace infprz
