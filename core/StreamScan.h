// Conversion of text that arrives in pieces (files, pipes), with bounded memory.
#pragma once

#include <cstddef>
#include <memory>

namespace kestrane::core {

class PairLookup;

enum class Direction { GBtoBIG5, BIG5toGB };

// Where a text may be cut so that its pieces convert on their own: just after the last byte
// below 0x40 among the last `reach` bytes of input[0, size), since such a byte can neither lead
// nor trail a pair and so ends a character whatever surrounds it. Converting the text before
// the cut (as a last piece) and the text after it gives the conversion of the whole. 0 when
// no such byte is there.
std::size_t IndependentCut(const char* input, std::size_t size, std::size_t reach);

// Converts a stream with the tables current when it was created; the result equals the
// conversion of the whole stream at once.
class StreamScan {
 public:
  // Loads the tables first when they were never loaded.
  explicit StreamScan(Direction direction);
  ~StreamScan();
  StreamScan(StreamScan&&) noexcept;
  StreamScan& operator=(StreamScan&&) noexcept;

  // Converts input[0, size) into output (which has room for size bytes) and returns how many
  // bytes were consumed and written. A last byte that may lead a pair is left for the next
  // piece unless last is true.
  std::size_t Convert(const char* input, std::size_t size, char* output, bool last) const;

 private:
  std::shared_ptr<const PairLookup> lookup_;
};

}  // namespace kestrane::core
