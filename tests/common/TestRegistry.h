#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// The test classes of this executable. Each test file registers its class with
// REGISTER_TEST(ClassName); tests/common/TestMain.cpp runs them all in turn.
namespace TestRegistry {

using Factory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<Factory> &all()
{
    static std::vector<Factory> factories;
    return factories;
}

template<class TestClass>
struct Registration
{
    Registration()
    {
        all().push_back([] { return std::make_unique<TestClass>(); });
    }
};

}  // namespace TestRegistry

#define REGISTER_TEST(TestClass) \
    static const TestRegistry::Registration<TestClass> registered##TestClass;
