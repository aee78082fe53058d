#include "EncodingDetection.h"

namespace qur {

const char* EncodingFromFirstBytes(std::string_view head) {
  if (head.size() < 2) return nullptr;
  if (head[0] == '\0' && head[1] == '<') return "UTF-16BE";
  return nullptr;
}

}  // namespace qur
