#pragma once
// The three operation modes, one per radio button of the "Operation Mode" group.

namespace vexlo {

enum class OperationMode {
  PencilAndPaper,  // rb_none: the player writes everything
  PartCandidates,  // rb_one: candidates shown only for the chosen digits
  AllCandidates,   // rb_all: the program generates and maintains the candidates
};

}  // namespace vexlo
