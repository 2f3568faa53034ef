#include "app/converters.h"

#include "convert/jravan/jra_current.h"

namespace tamikaze {

RaceConverter ConverterFor(int dataType) {
  switch (dataType) {
    case 4:
      return ConvertJraCurrent;
    default:
      return nullptr;
  }
}

}  // namespace tamikaze
