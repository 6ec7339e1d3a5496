#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Runs the current test function, and only its current data row, again in a
// child process of the test program, for a test that needs what the program
// itself has not (mounts of its own, another user). The child knows itself
// by an environment variable.
class TestChild
{
public:
    TestChild() = delete;

    // Starts the child with variable set to value, through wrapper (a program
    // and its first arguments, put before the test program's path; empty for
    // none), with setUp run in it before the test program starts (it may
    // only make system calls), and waits. Returns the child's exit code, or
    // -1 when it did not end normally; its standard output goes to output,
    // its error output to ours.
    static int run(const char* variable, const QString& value, const QStringList& wrapper = {},
                   const std::function<void()>& setUp = {}, QByteArray* output = nullptr);
};
