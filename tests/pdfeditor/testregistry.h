#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Lets every test class of this executable add itself; main() runs them in turn.
using TestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<TestFactory> &registeredTests()
{
    static std::vector<TestFactory> tests;
    return tests;
}

template<typename T> struct TestRegistration
{
    TestRegistration()
    {
        registeredTests().push_back([] { return std::make_unique<T>(); });
    }
};

#define VELMORA_REGISTER_TEST(Class) static const TestRegistration<Class> registration##Class
