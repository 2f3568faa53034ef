#pragma once
// The decoded blocks of one member on their way to the caller's sink. A
// member's declared size is untrusted: a block reaching past it stops the
// member at the first byte too many (nothing past the declared size is
// passed on), and a member that ends short of it is damaged too. The
// caller's stop callback is asked before every block.

#include <cstddef>
#include <cstdint>
#include <string>

#include "archive/unlha32/reader.h"

namespace tamikaze::unlha {

class MemberOutput {
 public:
  // `method` names the member's method in the reasons ("-lh5-").
  MemberOutput(const DataSink& sink, std::uint64_t declaredSize, const std::string& method);

  // Passes one decoded block on. False, with the reason recorded, when the
  // block reaches past the declared size, when the caller asked to stop, or
  // when the sink stops.
  bool Block(const void* bytes, std::size_t size);
  // At the member's end: false, with the reason recorded, unless exactly the
  // declared size came.
  bool Finish();

 private:
  bool Damaged(const std::string& what);

  const DataSink& sink_;
  std::uint64_t declared_;
  std::string method_;
  std::uint64_t decoded_ = 0;
};

}  // namespace tamikaze::unlha
