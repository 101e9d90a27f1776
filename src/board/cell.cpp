#include "board/cell.h"

namespace vexlo {

void TPicNode::setcolor(Color color) {
  for (CandidatePanel& p : panels) p.background = color;
}

void TPicNode::setFontSize(int size) {
  for (CandidatePanel& p : panels) p.fontSize = size;
}

void TPicNode::setFontColor(Color color) {
  for (CandidatePanel& p : panels) p.fontColor = color;
}

void TPicNode::Hide() {
  for (CandidatePanel& p : panels) p.visible = false;
}

void TPicNode::Show() {
  for (CandidatePanel& p : panels) p.visible = true;
}

void TPicNode::showhxs() {
  for (int d = 1; d <= 9; ++d) {
    panel(d).visible = digits.find(static_cast<char>('0' + d)) != std::string::npos;
  }
}

}  // namespace vexlo
