#pragma once
// Loads XML text written to a temporary file, for the cursor tests.
#include "support/TestFiles.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace xml_testing {

inline std::unique_ptr<XmlDocument> loadXmlText(
    const testing_support::TemporaryFolder& folder, const std::string& content)
{
    auto document = std::make_unique<XmlDocument>();
    const std::string path = folder.write("document.xml", content);
    EXPECT_EQ(document->loadFile(path.c_str(), 0), S_OK) << content;
    return document;
}

} // namespace xml_testing
