#include <gtest/gtest.h>

#include "frame/guard.h"

TEST(Guard, ReportText) {
    EXPECT_EQ(frame::errorReportText("Overflow", frame::where::kForm1Answer, 124),
              "Overflow\r\nin Quillory2021/08/31.Form1.Answer at line 124\r\rPlease email "
              "screenshot of this message to support@quillory.example");
}
