#include "app/cli/help.h"

#include <algorithm>
#include <sstream>
#include <utility>
#include <vector>

#include "app/cli/command_line.h"
#include "import/data_types.h"

#ifndef TAMIKAZE_VERSION
#define TAMIKAZE_VERSION "0"
#endif

namespace tamikaze {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

// "  left   right" lines, the right column aligned; a line break in the
// right text continues it in its column.
void WriteRows(std::ostream& out, const Rows& rows) {
  int width = 0;
  for (const auto& [left, right] : rows) width = std::max(width, DisplayColumns(left));
  for (const auto& [left, right] : rows) {
    out << "  " << left << std::string(width - DisplayColumns(left) + 2, ' ');
    for (const char c : right) {
      out << c;
      if (c == '\n') out << std::string(width + 4, ' ');
    }
    out << '\n';
  }
}

// "-o フォルダ", "-q, --quiet".
std::string OptionLabel(const CLI::Option& option) {
  std::string label;
  for (const std::string& name : option.get_snames()) label += (label.empty() ? "-" : ", -") + name;
  for (const std::string& name : option.get_lnames()) {
    label += (label.empty() ? "--" : ", --") + name;
  }
  if (option.get_type_size() != 0 && !option.get_type_name().empty()) {
    label += " " + option.get_type_name();
  }
  return label;
}

std::string Usage(const CLI::App& app, const std::string& name) {
  std::string usage = "使い方: " + name;
  if (!app.get_subcommands({}).empty()) return usage + " <サブコマンド> [オプション]...";
  for (const CLI::Option* option : app.get_options()) {
    if (option == app.get_help_ptr()) continue;
    if (option->get_positional()) {
      usage += " " + option->get_type_name() + "...";
    } else {
      const std::string label = OptionLabel(*option);
      usage += " [" + label.substr(0, label.find(',')) + "]";
    }
  }
  return usage;
}

void WriteOptions(std::ostream& out, const CLI::App& app) {
  Rows rows;
  for (const CLI::Option* option : app.get_options()) {
    if (!option->get_positional())
      rows.emplace_back(OptionLabel(*option), option->get_description());
  }
  out << "\nオプション:\n";
  WriteRows(out, rows);
}

void WriteSubcommands(std::ostream& out, const CLI::App& app, const std::string& name) {
  Rows rows;
  for (const CLI::App* sub : app.get_subcommands({})) {
    // The description's first sentence, on one line.
    std::string description = sub->get_description();
    description.erase(std::remove(description.begin(), description.end(), '\n'), description.end());
    const std::size_t end = description.find("。");
    rows.emplace_back(sub->get_name(),
                      end == std::string::npos ? description : description.substr(0, end + 3));
  }
  out << "\nサブコマンド:\n";
  WriteRows(out, rows);
  out << "サブコマンドごとの説明: " << name << " <サブコマンド> --help\n";
}

// What the data type of a summary line means.
void WriteDataTypes(std::ostream& out) {
  Rows types{{"0", "どれでもない（認識する前に取り込めなかったときも）"}};
  for (const DataTypeInfo& row : kDataTypes) {
    types.emplace_back(std::to_string(row.dataType),
                       std::string(row.name) + (row.converter ? "" : "（まだ変換できません）"));
  }
  out << "\nデータの種類（要約の行の2列目）:\n";
  WriteRows(out, types);
}

template <std::size_t N>
void WriteExitStatuses(std::ostream& out, const ExitStatusInfo (&table)[N], const char* notes) {
  Rows statuses;
  for (const ExitStatusInfo& status : table) {
    statuses.emplace_back(std::to_string(status.status), status.meaning);
  }
  out << "\n終了ステータス（いちばん悪い結果）:\n";
  WriteRows(out, statuses);
  out << notes << '\n';
}

}  // namespace

std::string JapaneseHelpFormatter::make_help(const CLI::App* app, std::string name,
                                             CLI::AppFormatMode) const {
  std::ostringstream out;
  out << Usage(*app, name) << "\n\n" << app->get_description() << '\n';
  if (!app->get_subcommands({}).empty()) WriteSubcommands(out, *app, name);
  WriteOptions(out, *app);
  if (const std::string footer = app->get_footer(); !footer.empty()) out << '\n' << footer << '\n';
  // The page command has exit statuses of its own and no data types; the
  // program's own help describes the archive import's.
  if (app->get_name() == "page") {
    WriteExitStatuses(out, kPageExitStatuses, kPageExitStatusNotes);
  } else {
    WriteDataTypes(out);
    WriteExitStatuses(out, kExitStatuses, kExitStatusNotes);
  }
  return out.str();
}

std::string VersionText() {
  return std::string("tamikaze-netdata（TamikazeNetData for Linux）バージョン ") + TAMIKAZE_VERSION;
}

int DisplayColumns(const std::string& text) {
  int columns = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      ++columns;
    } else if (byte >= 0xE0) {
      columns += 2;  // lead byte of a three- or four-byte character
    } else if (byte >= 0xC0) {
      ++columns;
    }
  }
  return columns;
}

}  // namespace tamikaze
