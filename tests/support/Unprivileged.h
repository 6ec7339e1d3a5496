#pragma once

// For a test of what only root may do (root may write any file, whatever its
// mode): where the test program runs as root, the test runs again in a child
// with the ids of the user "nobody".
class Unprivileged
{
public:
    Unprivileged() = delete;

    // True when the test is to go on here: the program does not run as root,
    // or this is that child. Otherwise runs the child, takes its result as
    // the test's (skips the test where no child can take on those ids) and
    // returns false; the test then returns.
    static bool here();
};
