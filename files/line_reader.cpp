#include "files/line_reader.h"

#include <algorithm>

namespace filmotas {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

}  // namespace

LineReader::LineReader(const std::string& path, std::size_t keep)
    : file_(path), keep_(keep), size_(file_.size()), chunk_(new char[kChunk]) {
  line_.reserve(keep_ + 1);
}

bool LineReader::refill() {
  length_ = file_.read(chunk_.get(), kChunk);
  at_ = 0;
  read_ += length_;
  return length_ > 0;
}

// One byte more than kept, so that a CR before the LF can still be told from the text.
void LineReader::take(std::string_view bytes) {
  const std::size_t room = keep_ + 1 - std::min(line_.size(), keep_ + 1);
  if (bytes.size() > room) cut_ = true;
  line_.append(bytes.substr(0, room));
}

bool LineReader::next() {
  line_.clear();
  cut_ = false;
  bool any = false;
  while (at_ < length_ || refill()) {
    any = true;
    const std::string_view rest(chunk_.get() + at_, length_ - at_);
    const std::size_t end = rest.find('\n');
    take(rest.substr(0, end));
    if (end != std::string_view::npos) {
      at_ += end + 1;
      break;
    }
    at_ = length_;
  }
  if (!cut_ && line_.ends_with('\r')) line_.pop_back();
  if (line_.size() > keep_) {
    cut_ = true;
    line_.resize(keep_);
  }
  return any;
}

}  // namespace filmotas
