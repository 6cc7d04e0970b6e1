// The beep that ends a calculation, behind a small seam so that the window's tests
// can count it instead of sounding it.
#pragma once

namespace kalvesta {

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

// The system's beep.
class SystemBeeper : public Beeper {
public:
    void Beep() override;
};

}  // namespace kalvesta
