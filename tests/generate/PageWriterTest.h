#pragma once

#include "generate/PageGenerator.h"

#include "PageLines.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// Fixture of the page writers' tests: pages generated from a payload with settings_, each
// expected to be written.
class PageWriterTest : public testing::Test
{
protected:
    GenerationResult generate(const std::string& payload)
    {
        GenerationResult result = generatePage(payload, settings_);
        EXPECT_EQ(result.status, GenerationResult::Status::Written) << result.message;
        return result;
    }

    std::vector<std::string> lines(const std::string& payload)
    {
        return splitLines(generate(payload).pageBytes);
    }

    GenerationSettings settings_;
};
