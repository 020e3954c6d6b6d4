#include <gtest/gtest.h>

#include "tests/app/app_test_support.h"
