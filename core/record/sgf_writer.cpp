#include "core/record/sgf_writer.h"

#include <vector>

#include "core/record/sgf_point.h"

namespace mokuza {
namespace {

void appendEscaped(std::u16string& out, std::u16string_view value) {
  for (char16_t c : value) {
    if (c == u'\\' || c == u']') out.push_back(u'\\');
    out.push_back(c);
  }
}

class SgfWriter {
 public:
  explicit SgfWriter(const GameRecord& record) : record_(record) {}
  std::u16string run();

 private:
  void wrapCheck();
  void writeRecord(const MoveRecord& rec, bool isRoot);

  const GameRecord& record_;
  std::u16string out_;
  std::size_t wrapAt_ = 60;
};

void SgfWriter::wrapCheck() {
  if (out_.size() >= wrapAt_) {
    out_.push_back(u'\n');
    wrapAt_ = out_.size() + 60;
  }
}

void SgfWriter::writeRecord(const MoveRecord& rec, bool isRoot) {
  wrapCheck();
  if (!isRoot) out_.push_back(u';');
  // Some files play a move in the root node itself; it stays there on saving.
  if (rec.hasMove()) {
    out_.push_back(rec.colour == 1 ? u'B' : u'W');
    out_.push_back(u'[');
    // A pass is an empty value, which every reader takes as a pass.
    out_ += sgfLetters(RecordPoint{rec.point}, record_.boardSize);
    out_.push_back(u']');
  }

  constexpr std::u16string_view passIds[] = {u"AB", u"AW", u"LB"};
  for (int pass = 0; pass < 3; ++pass) {
    wrapCheck();
    bool any = false;
    for (const MarkEntry& entry : rec.marks) {
      if (!isOnBoard(entry.point, record_.boardSize)) continue;
      bool wanted = pass == 0 ? entry.stone == 1 : pass == 1 ? entry.stone == -1 : !entry.text.empty();
      if (!wanted) continue;
      if (!any) out_ += passIds[pass];
      any = true;
      out_.push_back(u'[');
      out_ += sgfLetters(RecordPoint{entry.point}, record_.boardSize);
      if (pass == 2) {
        out_.push_back(u':');
        appendEscaped(out_, entry.text);
      }
      out_.push_back(u']');
    }
  }

  for (std::size_t i = 0; i < kMoveInfoFields.size(); ++i)
    if (rec.properties[i]) out_ += formatProperty(kMoveInfoFields[i].sgfId, *rec.properties[i]);

  // What other programs wrote and this one does not model goes back as read.
  for (const ExtraProperty& extra : rec.extraProperties()) {
    if (extra.id.empty() || extra.values.empty()) continue;
    out_ += extra.id;
    for (const std::u16string* value : extra.values) {
      out_.push_back(u'[');
      appendEscaped(out_, *value);
      out_.push_back(u']');
    }
  }
}

std::u16string SgfWriter::run() {
  out_ = u"(;GM[1]CA[utf-8]AP[Mokuza:";
  out_ += kProgramVersion;
  out_ += u"]";

  for (const PropertyField& field : kGameInfoFields) {
    std::u16string_view value = record_.header(field.label);
    if (value.empty()) continue;
    wrapCheck();
    out_ += formatProperty(field.sgfId, value);
  }

  // Depth-first over the tree without recursion: stack of (node, next child).
  struct Frame {
    const VariationNode* node;
    std::size_t nextChild;
  };
  std::vector<Frame> stack;
  const VariationNode* node = &record_.root;
  for (;;) {
    for (std::size_t i = 0; i < node->records.size(); ++i) writeRecord(node->records[i], node == &record_.root);
    if (!node->children.empty()) {
      wrapCheck();
      if (node != &record_.root) out_.push_back(u'(');
      stack.push_back({node, 1});
      node = &node->children[0];
      continue;
    }
    // A leaf: close variations until one has a sibling left to write.
    for (;;) {
      if (stack.empty()) {
        node = nullptr;
        break;
      }
      Frame& top = stack.back();
      const bool parenthesised = top.node != &record_.root;
      if (parenthesised) out_.push_back(u')');
      if (top.nextChild < top.node->children.size()) {
        wrapCheck();
        if (parenthesised) out_.push_back(u'(');
        node = &top.node->children[top.nextChild++];
        break;
      }
      stack.pop_back();
    }
    if (!node) break;
  }
  out_.push_back(u')');
  return std::move(out_);
}

}  // namespace

std::u16string formatProperty(std::u16string_view id, std::u16string_view value) {
  if (id.empty() || value.empty()) return {};
  std::u16string out(id);
  out.push_back(u'[');
  appendEscaped(out, value);
  out.push_back(u']');
  return out;
}

std::u16string writeSgf(const GameRecord& record) { return SgfWriter(record).run(); }

}  // namespace mokuza
