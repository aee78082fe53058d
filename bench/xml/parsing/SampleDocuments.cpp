#include "SampleDocuments.h"

#include <cstdint>

namespace parsing_bench {
namespace {

constexpr std::size_t kTargetSize = 3 * 1024 * 1024;

// A small linear congruential generator: fixed output for a fixed seed.
class Sequence {
 public:
  explicit Sequence(std::uint32_t seed) : state_(seed) {}
  std::uint32_t Next(std::uint32_t bound) {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) % bound;
  }

 private:
  std::uint32_t state_;
};

const char* const kWords[] = {"lorem", "ipsum", "dolor", "sit", "amet", "consectetur", "adipiscing", "elit",
                              "sed", "do", "eiusmod", "tempor", "incididunt", "ut", "labore", "et", "dolore",
                              "magna", "aliqua", "café", "naïve", "Grüße", "déjà", "vu", "&amp;", "&lt;tag&gt;"};

std::string Words(Sequence& random, int count) {
  std::string text;
  for (int index = 0; index < count; ++index) {
    if (index != 0) text += ' ';
    text += kWords[random.Next(std::size(kWords))];
  }
  return text;
}

}  // namespace

std::string MarkupHeavyDocument() {
  Sequence random(1);
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<catalogue>\n";
  for (int section = 0; text.size() < kTargetSize; ++section) {
    text += " <section id=\"s" + std::to_string(section) + "\">\n";
    for (int record = 0; record < 100; ++record) {
      text += "  <record><id>" + std::to_string(section * 100 + record) + "</id><name>" + Words(random, 2) +
              "</name><price currency=\"EUR\">" + std::to_string(random.Next(100000) / 100.0) +
              "</price><tags><tag>" + Words(random, 1) + "</tag><tag>" + Words(random, 1) +
              "</tag></tags><stock/></record>\n";
    }
    text += " </section>\n";
  }
  return text + "</catalogue>\n";
}

std::string TextHeavyDocument() {
  Sequence random(2);
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<book>\n";
  for (int chapter = 0; text.size() < kTargetSize; ++chapter) {
    text += "<chapter n=\"" + std::to_string(chapter) + "\"><title>" + Words(random, 4) + "</title>\n";
    for (int paragraph = 0; paragraph < 40; ++paragraph) {
      text += "<p>" + Words(random, 60) + " <em>" + Words(random, 3) + "</em> " + Words(random, 80) + "</p>\n";
    }
    text += "</chapter>\n";
  }
  return text + "</book>\n";
}

std::string AttributeHeavyDocument() {
  Sequence random(3);
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<drawing width=\"1000\" height=\"1000\">\n";
  for (int layer = 0; text.size() < kTargetSize; ++layer) {
    text += "<layer id=\"layer" + std::to_string(layer) + "\" visible=\"true\">\n";
    for (int shape = 0; shape < 200; ++shape) {
      text += "<shape id=\"p" + std::to_string(layer * 200 + shape) + "\" x=\"" +
              std::to_string(random.Next(1000)) + "\" y=\"" + std::to_string(random.Next(1000)) + "\" w=\"" +
              std::to_string(random.Next(200)) + "\" h=\"" + std::to_string(random.Next(200)) +
              "\" fill=\"#" + std::to_string(100000 + random.Next(899999)) + "\" stroke=\"black\" opacity=\"0." +
              std::to_string(random.Next(10)) + "\" label=\"" + Words(random, 2) + "\"/>\n";
    }
    text += "</layer>\n";
  }
  return text + "</drawing>\n";
}

std::string WideElementDocument() {
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<wide";
  for (int index = 0; index < 100000; ++index) text += " a" + std::to_string(index) + "=\"" + std::to_string(index) + "\"";
  return text + "/>\n";
}

}  // namespace parsing_bench
