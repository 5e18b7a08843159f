#pragma once
// Points the registry at a file of the test's own ($ASTREON_REGISTRY, which the engine
// reads first) for a scope, and puts back what was there before.
#include <cstdlib>
#include <optional>
#include <string>

namespace testing_support {

class RegistryOverride {
public:
    explicit RegistryOverride(const std::string& registryFile)
    {
        if (const char* previous = std::getenv(kVariable))
            previous_ = previous;
        setenv(kVariable, registryFile.c_str(), 1);
    }
    ~RegistryOverride()
    {
        if (previous_)
            setenv(kVariable, previous_->c_str(), 1);
        else
            unsetenv(kVariable);
    }
    RegistryOverride(const RegistryOverride&) = delete;
    RegistryOverride& operator=(const RegistryOverride&) = delete;

private:
    static constexpr const char* kVariable = "ASTREON_REGISTRY";

    std::optional<std::string> previous_;
};

} // namespace testing_support
