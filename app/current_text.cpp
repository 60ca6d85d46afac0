#include "app/current_text.h"

namespace lumetra {

Text current_text;

}  // namespace lumetra
