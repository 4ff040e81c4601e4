#include "infprz_cli.h"

#include <iostream>

#include "check_report.h"
#include "command_line.h"
#include "contract/host_constants.h"
#include "file_replace.h"
#include "help_text.h"
#include "infprz_commands.h"
#include "messages.h"
#include "settings_fields.h"

#ifndef INFPRZ_VERSION
#define INFPRZ_VERSION "unknown"
#endif

namespace infprz {

namespace {

std::optional<std::string> Value(const CommandLine& line, std::string_view option) {
  const auto found = line.options.find(option);
  if (found == line.options.end()) return std::nullopt;
  return found->second;
}

SetRequest SetRequestOf(const CommandLine& line) {
  SetRequest request;
  request.text = Value(line, "--text");
  request.textFile = Value(line, "--text-file");
  request.password = Value(line, "--password");
  if (const auto row = Value(line, "--row")) request.row = std::stoi(*row);  // checked as a number already
  request.startDate = Value(line, "--start-date");
  request.interval = Value(line, "--interval");
  request.fromTime = Value(line, "--from");
  request.toTime = Value(line, "--to");
  if (line.Has("--on")) request.enabled = true;
  if (line.Has("--off")) request.enabled = false;
  request.create = line.Has("--create");
  return request;
}

void Run(const CommandLine& line, std::istream& in, std::ostream& out, std::ostream& err) {
  const std::vector<std::string>& operands = line.operands;
  const std::size_t fileAt = line.command == Command::kImport ? 1 : 0;
  const std::string file = operands.size() > fileAt ? operands[fileAt] : talvenor::kSettingsFileName;
  const fs::path path = PathFromUtf8(file);
  switch (line.command) {
    case Command::kShow: return ShowSettings(path, {line.Has("--json"), line.Has("--show-password")}, out, err);
    case Command::kImport: return ImportSettings(operands[0], path, in, err);
    case Command::kSet: return SetSettings(path, SetRequestOf(line), in, err);
    case Command::kClearPassword: return ClearPassword(path, line.Has("--create"), err);
    case Command::kInit: return InitSettings(path, line.Has("--force"));
    case Command::kCheck:
    case Command::kNone: return;
  }
}

}  // namespace

int RunInfprz(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  const CommandLine line = ReadCommandLine(args);
  if (line.help) {
    out << HelpText(line.command);
    return kExitOk;
  }
  if (line.version) {
    out << "infprz " INFPRZ_VERSION "\n";
    return kExitOk;
  }
  if (line.refusal) {
    const std::string hint =
        line.command == Command::kNone ? Say(Msg::kSeeHelp) : Say(Msg::kSeeCommandHelp, {CommandName(line.command)});
    err << "infprz: " << *line.refusal << "\ninfprz: " << hint << "\n";
    return kExitUsage;
  }
  if (line.command == Command::kCheck) {
    const fs::path folder = line.operands.empty() ? fs::path(".") : PathFromUtf8(line.operands[0]);
    return CheckFolder({folder, SumsBesideProgram()}, out);
  }
  try {
    Run(line, in, out, err);
  } catch (const InvalidInput& e) {
    err << "infprz: " << Say(Msg::kNothingWritten, {e.what()}) << "\n";
    return kExitUsage;
  } catch (const std::exception& e) {
    err << "infprz: " << e.what() << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace infprz
