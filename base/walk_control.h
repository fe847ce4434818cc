#pragma once
// What a walk over the element tree reports to the file in progress and asks
// of it, apart from drawing: how far it has come, and whether to go on.
namespace vx {

class IWalkControl {
public:
    virtual ~IWalkControl() = default;
    // How far the walk has come, in percent of the whole file's work.
    virtual void ReportProgress(int percent) = 0;
    // Throws when the user has stopped the file in progress.
    virtual void ThrowIfCancelled() const = 0;
};

}  // namespace vx
