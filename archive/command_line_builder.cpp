#include "archive/command_line_builder.h"

#include <string>
#include <vector>

namespace tamikaze {
namespace {

enum OptionKind { kNumber, kText, kFolder, kList };

struct OptionSlot {
  const char* name;
  OptionKind kind;
  signed char TArchiverOptions::*number;
  std::string TArchiverOptions::*text;
  std::vector<std::string> TArchiverOptions::*list;
};

// The 73 switches in command-line order.
const OptionSlot kOptionSlots[] = {
    {"a", kNumber, &TArchiverOptions::a, nullptr, nullptr},
    {"c", kNumber, &TArchiverOptions::c, nullptr, nullptr},
    {"e", kNumber, &TArchiverOptions::e, nullptr, nullptr},
    {"f", kNumber, &TArchiverOptions::f, nullptr, nullptr},
    {"h", kNumber, &TArchiverOptions::h, nullptr, nullptr},
    {"i", kNumber, &TArchiverOptions::i, nullptr, nullptr},
    {"l", kNumber, &TArchiverOptions::l, nullptr, nullptr},
    {"m", kNumber, &TArchiverOptions::m, nullptr, nullptr},
    {"n", kNumber, &TArchiverOptions::n, nullptr, nullptr},
    {"o", kNumber, &TArchiverOptions::o, nullptr, nullptr},
    {"p", kNumber, &TArchiverOptions::p, nullptr, nullptr},
    {"r", kNumber, &TArchiverOptions::r, nullptr, nullptr},
    {"s", kNumber, &TArchiverOptions::s, nullptr, nullptr},
    {"t", kNumber, &TArchiverOptions::t, nullptr, nullptr},
    {"u", kNumber, &TArchiverOptions::u, nullptr, nullptr},
    {"w", kFolder, nullptr, &TArchiverOptions::w, nullptr},
    {"x", kNumber, &TArchiverOptions::x, nullptr, nullptr},
    {"y", kNumber, &TArchiverOptions::y, nullptr, nullptr},
    {"z", kNumber, &TArchiverOptions::z, nullptr, nullptr},
    {"jc", kNumber, &TArchiverOptions::jc, nullptr, nullptr},
    {"jd", kNumber, &TArchiverOptions::jd, nullptr, nullptr},
    {"je", kNumber, &TArchiverOptions::je, nullptr, nullptr},
    {"jf", kNumber, &TArchiverOptions::jf, nullptr, nullptr},
    {"jh", kNumber, &TArchiverOptions::jh, nullptr, nullptr},
    {"ji", kNumber, &TArchiverOptions::ji, nullptr, nullptr},
    {"jm", kNumber, &TArchiverOptions::jm, nullptr, nullptr},
    {"jn", kNumber, &TArchiverOptions::jn, nullptr, nullptr},
    {"jo", kText, nullptr, &TArchiverOptions::jo, nullptr},
    {"job", kText, nullptr, &TArchiverOptions::job, nullptr},
    {"jp", kNumber, &TArchiverOptions::jp, nullptr, nullptr},
    {"jr", kNumber, &TArchiverOptions::jr, nullptr, nullptr},
    {"jsb", kNumber, &TArchiverOptions::jsb, nullptr, nullptr},
    {"jsc", kNumber, &TArchiverOptions::jsc, nullptr, nullptr},
    {"jsd", kNumber, &TArchiverOptions::jsd, nullptr, nullptr},
    {"jse", kNumber, &TArchiverOptions::jse, nullptr, nullptr},
    {"jsf", kNumber, &TArchiverOptions::jsf, nullptr, nullptr},
    {"jsl", kNumber, &TArchiverOptions::jsl, nullptr, nullptr},
    {"jso", kNumber, &TArchiverOptions::jso, nullptr, nullptr},
    {"jss", kNumber, &TArchiverOptions::jss, nullptr, nullptr},
    {"jst", kNumber, &TArchiverOptions::jst, nullptr, nullptr},
    {"jsv", kNumber, &TArchiverOptions::jsv, nullptr, nullptr},
    {"jsz", kNumber, &TArchiverOptions::jsz, nullptr, nullptr},
    {"jw", kNumber, &TArchiverOptions::jw, nullptr, nullptr},
    {"jx", kList, nullptr, nullptr, &TArchiverOptions::jx},
    {"jyc", kNumber, &TArchiverOptions::jyc, nullptr, nullptr},
    {"jyd", kNumber, &TArchiverOptions::jyd, nullptr, nullptr},
    {"jyk", kNumber, &TArchiverOptions::jyk, nullptr, nullptr},
    {"jyn", kNumber, &TArchiverOptions::jyn, nullptr, nullptr},
    {"jyo", kNumber, &TArchiverOptions::jyo, nullptr, nullptr},
    {"jz", kText, nullptr, &TArchiverOptions::jz, nullptr},
    {"ga", kNumber, &TArchiverOptions::ga, nullptr, nullptr},
    {"gd", kNumber, &TArchiverOptions::gd, nullptr, nullptr},
    {"ge", kNumber, &TArchiverOptions::ge, nullptr, nullptr},
    {"gf", kNumber, &TArchiverOptions::gf, nullptr, nullptr},
    {"gj", kNumber, &TArchiverOptions::gj, nullptr, nullptr},
    {"gm", kNumber, &TArchiverOptions::gm, nullptr, nullptr},
    {"gn", kNumber, &TArchiverOptions::gn, nullptr, nullptr},
    {"go", kNumber, &TArchiverOptions::go, nullptr, nullptr},
    {"gp", kNumber, &TArchiverOptions::gp, nullptr, nullptr},
    {"gr", kText, nullptr, &TArchiverOptions::gr, nullptr},
    {"gs", kNumber, &TArchiverOptions::gs, nullptr, nullptr},
    {"gu", kNumber, &TArchiverOptions::gu, nullptr, nullptr},
    {"gw", kNumber, &TArchiverOptions::gw, nullptr, nullptr},
    {"gya", kNumber, &TArchiverOptions::gya, nullptr, nullptr},
    {"gyc", kNumber, &TArchiverOptions::gyc, nullptr, nullptr},
    {"gyd", kText, nullptr, &TArchiverOptions::gyd, nullptr},
    {"gye", kText, nullptr, &TArchiverOptions::gye, nullptr},
    {"gyo", kNumber, &TArchiverOptions::gyo, nullptr, nullptr},
    {"gyq", kNumber, &TArchiverOptions::gyq, nullptr, nullptr},
    {"gys", kNumber, &TArchiverOptions::gys, nullptr, nullptr},
    {"gyt", kText, nullptr, &TArchiverOptions::gyt, nullptr},
    {"gyw", kText, nullptr, &TArchiverOptions::gyw, nullptr},
    {"gyx", kNumber, &TArchiverOptions::gyx, nullptr, nullptr},
};

std::string Switch(const OptionSlot& slot, const TArchiverOptions& options) {
  const std::string dash = std::string("-") + slot.name;
  switch (slot.kind) {
    case kNumber: {
      const int value = options.*slot.number;
      return value >= 0 ? " " + dash + std::to_string(value) : "";
    }
    case kText:
      return (options.*slot.text).empty() ? "" : " " + Quoted(dash + options.*slot.text);
    case kFolder:
      return (options.*slot.text).empty()
                 ? ""
                 : " " + Quoted(dash + WithTrailingSlash(options.*slot.text));
    case kList: {
      std::string out;
      for (const std::string& name : options.*slot.list) out += " " + Quoted(dash + name);
      return out;
    }
  }
  return "";
}

}  // namespace

std::string OptionSwitches(const TArchiverOptions& options) {
  std::string out;
  for (const OptionSlot& slot : kOptionSlots) out += Switch(slot, options);
  return out;
}

std::string Quoted(const std::string& item) {
  return "\"" + item + "\"";
}

std::string WithTrailingSlash(const std::string& folder) {
  if (folder.empty() || folder.back() == '/') return folder;
  return folder + "/";
}

}  // namespace tamikaze
