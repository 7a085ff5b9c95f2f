#pragma once
// The calls worker threads hand to the main thread, oldest first. Each call's
// record lives on its caller's stack for as long as the caller waits for it,
// so the queue only links records together: a hand-over takes nothing from
// the heap, however many ticks a timer delivers over weeks of running. Not
// locked: its owner holds its own lock around every use.
namespace hopvox {

// TCall has a member `TCall* next` for the queue's use.
template <class TCall>
class THandOverQueue {
 public:
  void Push(TCall& call) {
    call.next = nullptr;
    (tail_ ? tail_->next : head_) = &call;
    tail_ = &call;
  }
  // The oldest call, taken off the queue; null when there is none. Its record
  // may be gone as soon as its caller has been let go.
  TCall* Pop() {
    TCall* call = head_;
    if (!call) return nullptr;
    head_ = call->next;
    if (!head_) tail_ = nullptr;
    return call;
  }
  bool Empty() const { return head_ == nullptr; }

 private:
  TCall* head_ = nullptr;
  TCall* tail_ = nullptr;
};

}  // namespace hopvox
