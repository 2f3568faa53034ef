#include "convert/localhtml/page_state.h"

namespace tamikaze {

PageLineOutOfRange::PageLineOutOfRange(long index)
    : std::out_of_range("リストのインデックスが範囲を超えています (" + std::to_string(index) +
                        ")") {}

const std::string& PageLine(const LocalPageState& state, long index) {
  if (index < 0 || index >= static_cast<long>(state.BufferLst.size())) {
    throw PageLineOutOfRange(index);
  }
  return state.BufferLst[static_cast<std::size_t>(index)];
}

bool IsPageEnd(const LocalPageState& state, long index) {
  return PageLine(state, index) == kPageEnd;
}

}  // namespace tamikaze
