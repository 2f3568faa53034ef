#include "archive/unlha32/command_line.h"

#include <fstream>

#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {

bool SplitCommandLine(const std::string& line, std::vector<std::string>& tokens) {
  std::string token;
  bool inToken = false;
  bool quoted = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inToken = true;
    } else if (!quoted && (c == ' ' || c == '\t')) {
      if (inToken) tokens.push_back(token);
      token.clear();
      inToken = false;
    } else {
      token += c;
      inToken = true;
    }
  }
  if (inToken) tokens.push_back(token);
  return !quoted;
}

namespace {

bool ReadResponseFile(const std::string& path, std::vector<std::string>& names) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) names.push_back(line);
  }
  return true;
}

void ApplySwitch(const std::string& sw, Command& command) {
  if (sw == "-x0") command.keepFolders = false;
  if (sw == "-x" || sw == "-x1") command.keepFolders = true;
  // Every other switch ("-+", "-n1", "-jse1", "-jso1", ...) changes nothing
  // here: the library never asks and never shows progress.
}

}  // namespace

int ParseCommand(const std::string& line, Command& command) {
  std::vector<std::string> tokens;
  if (!SplitCommandLine(line, tokens) || tokens.empty()) return UNLHA_ERROR_COMMAND_LINE;
  const std::string& name = tokens[0];
  if (name != "x" && name != "X" && name != "e" && name != "E") return UNLHA_ERROR_COMMAND_NAME;
  command.letter = static_cast<char>(name[0] | 0x20);
  command.keepFolders = command.letter == 'x';
  std::size_t i = 1;
  for (; i < tokens.size() && !tokens[i].empty() && tokens[i][0] == '-'; ++i)
    ApplySwitch(tokens[i], command);
  if (i == tokens.size() || tokens[i].empty()) return UNLHA_ERROR_COMMAND_LINE;
  command.archive = tokens[i++];
  if (i < tokens.size() && !tokens[i].empty() && tokens[i].back() == '/')
    command.destination = tokens[i++];
  for (; i < tokens.size(); ++i) {
    if (tokens[i].size() > 1 && tokens[i][0] == '@') {
      if (!ReadResponseFile(tokens[i].substr(1), command.names)) return UNLHA_ERROR_RESPONSE_READ;
    } else if (!tokens[i].empty()) {
      command.names.push_back(tokens[i]);
    }
  }
  return 0;
}

}  // namespace tamikaze::unlha
