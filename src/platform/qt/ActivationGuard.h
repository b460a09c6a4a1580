#pragma once
// Marks the stretches in which the core itself activates or removes child
// windows, so that Qt's activation signals are not echoed back to it.
class ActivationGuard {
public:
    class Scope {
    public:
        explicit Scope(ActivationGuard& guard) : guard_(guard) { ++guard_.depth_; }
        ~Scope() { --guard_.depth_; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ActivationGuard& guard_;
    };

    bool Held() const { return depth_ > 0; }

private:
    int depth_ = 0;
};
