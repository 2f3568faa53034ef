#include "archive/unlha32/member_output.h"

#include "archive/unlha32/last_error.h"
#include "archive/unlha32/stop.h"
#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {

MemberOutput::MemberOutput(const DataSink& sink, std::uint64_t declaredSize,
                           const std::string& method)
    : sink_(sink), declared_(declaredSize), method_(method) {}

bool MemberOutput::Block(const void* bytes, std::size_t size) {
  if (StopRequested()) return false;
  if (size > declared_ - decoded_) {
    return Damaged("宣言された大きさ " + std::to_string(declared_) + " バイトを超えるデータ");
  }
  decoded_ += size;
  return size == 0 || sink_(static_cast<const char*>(bytes), size);
}

bool MemberOutput::Finish() {
  if (decoded_ == declared_) return true;
  return Damaged("宣言された大きさ " + std::to_string(declared_) + " バイトに対し、データが " +
                 std::to_string(decoded_) + " バイト");
}

bool MemberOutput::Damaged(const std::string& what) {
  SetLastError(UNLHA_ERROR_FILE_CRC, method_ + " " + what);
  return false;
}

}  // namespace tamikaze::unlha
