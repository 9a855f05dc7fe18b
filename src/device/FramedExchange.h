#pragma once
// What the dialect translations need from the command layer: one framed
// exchange, and the two side effects a translation may have.
#include <functional>
#include <string>

namespace vamok {

// Sends payload in a frame and returns the checked payload of the reply
// frame ("" for none). On the Quadrovan link the reply packet begins at STX
// followed by expectedPrefix; on USB the prefix is not used.
using FrameExchange = std::function<std::string(const std::string& payload,
                                                const std::string& expectedPrefix, int timeoutMs)>;

struct DialectEvents {
    std::function<void()> Beep;
    // "VamokRix" or "VamokQuadrovan": the model last identified.
    std::function<void(const std::string& model)> ModelIdentified;

    void beep() const
    {
        if (Beep)
            Beep();
    }
    void identified(const std::string& model) const
    {
        if (ModelIdentified)
            ModelIdentified(model);
    }
};

} // namespace vamok
