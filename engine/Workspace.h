// The direction objects behind an extractor.
//
// A workspace does one direction's work on one line at a time: it holds the
// direction's sentence object (reused from line to line, with the memos it
// fills), the memo of translations and the UTF-8 form of the line. The
// extractor holds a pool of workspaces of its direction and takes one for each
// call, so that calls from several threads each have their own; it never asks
// which language a workspace reads.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "core/EmittedPairs.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {

class Workspace {
 public:
  virtual ~Workspace() = default;

  // Appends every pair of the line in order, second readings marked, in the
  // form written; not filtered.
  virtual void collect(std::string_view line, std::vector<Pair>& found) = 0;
  // Appends every entity of the line in order.
  virtual void entities(std::string_view line, std::vector<Entity>& out) = 0;
  // The line rendered whole; the pair lines admit the line's pairs through `registry`.
  virtual std::string render(std::string_view line, Rendering rendering, EmittedPairs& registry) = 0;
};

// Makes the workspaces of one direction, for lines in the given encoding read
// by the given rules.
using WorkspaceMaker = std::unique_ptr<Workspace> (*)(const Options& options);
WorkspaceMaker workspaceMaker(Direction direction);

// The workspaces of one extractor. take() gives a workspace that no other call
// holds: the one kept at hand when it is free (an atomic exchange), else a spare
// one, else a new one; the pool keeps every workspace it made, so it holds as
// many as calls have ever run at the same time. Any thread may take and give back.
class WorkspacePool {
 public:
  WorkspacePool(WorkspaceMaker make, const Options& options) : make_(make), options_(options) {}
  WorkspacePool(const WorkspacePool&) = delete;
  WorkspacePool& operator=(const WorkspacePool&) = delete;

  // A workspace held for the lifetime of the lease.
  class Lease {
   public:
    Lease(WorkspacePool& pool, Workspace* workspace) : pool_(pool), workspace_(workspace) {}
    ~Lease() { pool_.giveBack(workspace_); }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    Workspace* operator->() const { return workspace_; }
    Workspace& operator*() const { return *workspace_; }

   private:
    WorkspacePool& pool_;
    Workspace* workspace_;
  };

  Lease take() {
    if (Workspace* w = atHand_.exchange(nullptr, std::memory_order_acquire)) return Lease(*this, w);
    std::lock_guard<std::mutex> lock(mutex_);
    if (!spare_.empty()) {
      Workspace* w = spare_.back();
      spare_.pop_back();
      return Lease(*this, w);
    }
    all_.push_back(make_(options_));
    return Lease(*this, all_.back().get());
  }

 private:
  void giveBack(Workspace* w) {
    Workspace* none = nullptr;
    if (atHand_.compare_exchange_strong(none, w, std::memory_order_release, std::memory_order_relaxed)) return;
    std::lock_guard<std::mutex> lock(mutex_);
    spare_.push_back(w);
  }

  WorkspaceMaker make_;
  Options options_;
  std::atomic<Workspace*> atHand_{nullptr};
  std::mutex mutex_;                             // guards spare_ and all_
  std::vector<Workspace*> spare_;                // free, beside the one at hand
  std::vector<std::unique_ptr<Workspace>> all_;  // every workspace made
};

}  // namespace vestrilo
