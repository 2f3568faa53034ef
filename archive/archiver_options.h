#pragma once
// TArchiverOptions: the switches from which the archiver command lines are
// built, in command-line order. A numeric switch is set when 0 or more (-1 =
// not set) and is written "-" + name + value, e.g. n = 1 gives "-n1"; a text
// or folder switch is set when not empty. The program sets only jse, jso, n
// and x.

#include <string>
#include <vector>

namespace tamikaze {

// What a response file (ResFileName) is used for.
enum TResFileUsage : unsigned {
  kResFileForFileList = 1,  // the member names of a command
  kResFileForExtract = 2,
  kResFileForUpdate = 4,
  kResFileForDelete = 8,
  kResFileAllUses = 15,
};

struct TArchiverOptions {
  signed char a = -1;
  signed char c = -1;
  signed char e = -1;
  signed char f = -1;
  signed char h = -1;
  signed char i = -1;
  signed char l = -1;
  signed char m = -1;
  signed char n = -1;
  signed char o = -1;
  signed char p = -1;
  signed char r = -1;
  signed char s = -1;
  signed char t = -1;
  signed char u = -1;
  std::string w;  // a folder
  signed char x = -1;
  signed char y = -1;
  signed char z = -1;
  signed char jc = -1;
  signed char jd = -1;
  signed char je = -1;
  signed char jf = -1;
  signed char jh = -1;
  signed char ji = -1;
  signed char jm = -1;
  signed char jn = -1;
  std::string jo;
  std::string job;
  signed char jp = -1;
  signed char jr = -1;
  signed char jsb = -1;
  signed char jsc = -1;
  signed char jsd = -1;
  signed char jse = -1;
  signed char jsf = -1;
  signed char jsl = -1;
  signed char jso = -1;
  signed char jss = -1;
  signed char jst = -1;
  signed char jsv = -1;
  signed char jsz = -1;
  signed char jw = -1;
  std::vector<std::string> jx;  // a list of names
  signed char jyc = -1;
  signed char jyd = -1;
  signed char jyk = -1;
  signed char jyn = -1;
  signed char jyo = -1;
  std::string jz;
  signed char ga = -1;
  signed char gd = -1;
  signed char ge = -1;
  signed char gf = -1;
  signed char gj = -1;
  signed char gm = -1;
  signed char gn = -1;
  signed char go = -1;
  signed char gp = -1;
  std::string gr;
  signed char gs = -1;
  signed char gu = -1;
  signed char gw = -1;
  signed char gya = -1;
  signed char gyc = -1;
  std::string gyd;
  std::string gye;
  signed char gyo = -1;
  signed char gyq = -1;
  signed char gys = -1;
  std::string gyt;
  std::string gyw;
  signed char gyx = -1;
  std::string UserOptions;  // free text, inserted as it is (an empty one still adds a space)
  std::vector<std::string> UserFileList;
  int PackFilter = 1;
  std::string ResFileName;  // a response file for the member names; empty = none
  unsigned ResFileUsage = kResFileAllUses;
  bool IncludeExtraStreams = true;
  std::string StreamSeparator = ";#";
};

}  // namespace tamikaze
