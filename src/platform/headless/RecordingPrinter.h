#pragma once
// A printer that prints nothing: each request becomes a line on the
// output, "print: TITLE (N lines)", "preview: ..." or "print setup".
#include <iosfwd>

#include "framework/Printing.h"

class RecordingPrinter : public IPrinter {
public:
    explicit RecordingPrinter(std::ostream& out) : out_(out) {}

    bool Setup() override;
    bool Print(const PrintJob& job, bool preview) override;

private:
    std::ostream& out_;
};
