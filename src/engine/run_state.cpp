#include "engine/run_state.h"

namespace qvl {

void RunState::StartRun() {
  Audit_Total = {};
  Debit_Amount = {};
  Credit_Amount = {};
  RecCount = 0;
  Balancing = false;
  DoBalancing = true;
  MsgOnce = false;
  curSumAmount = {};
  curSumLoaded = false;
  curSumCounted = false;
  warnedIncompleteRecord = false;
  warnedTooFewValues = false;
  warnedTooManyValues = false;
  noRecordsTold = false;
}

}  // namespace qvl
