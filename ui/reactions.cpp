#include "ui/reactions.h"

#include "app/current_text.h"
#include "core/convert_encoding.h"
#include "core/encoding_table.h"
#include "core/hex_dump.h"
#include "ui/content.h"

namespace lumetra::ui {

void refresh_outputs() {
  Text text = read_content(input_box_name);
  current_text = std::move(text);
  // Every row converts the text read above; none builds on another's result.
  for (const EncodingRow& row : encoding_table) {
    const Bytes converted = convert_encoding(current_text, source_encoding, row.target);
    write_content(row.box, hex_dump(converted));
  }
}

void clear_outputs() {
  // The write into the input box refreshes the outputs before it returns;
  // the writes after it leave them empty.
  write_content(input_box_name, "");
  for (const EncodingRow& row : encoding_table) write_content(row.box, "");
}

}  // namespace lumetra::ui
