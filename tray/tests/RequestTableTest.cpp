#include "tray/RequestTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace pvn {
namespace {

TrayRequest bare(RequestCode code, std::intptr_t lParam = 0) {
    TrayRequest request;
    request.code = code;
    request.lParam = lParam;
    return request;
}

TEST(RequestTableTest, CodesWithoutHandlerAnswerAsNothingDone) {
    RequestTable table;
    auto answer = [&](RequestCode code) {
        return table.dispatch(toWParam(code), RequestSource::OtherProgram, bare(code));
    };
    EXPECT_EQ(2, answer(RequestCode::ItemContextMenu)) << "nothing chosen: the menu records nothing";
    EXPECT_EQ(0, answer(RequestCode::CtrlLetterCommand)) << "nothing done";
    EXPECT_EQ(1, answer(RequestCode::PresenceTest));
    EXPECT_EQ(1, answer(RequestCode::FileOperationItems));
    EXPECT_EQ(1, answer(RequestCode::ReloadSettings));
    EXPECT_EQ(1, answer(RequestCode::HotKeys));
    EXPECT_EQ(1, answer(RequestCode::Preview));
}

TEST(RequestTableTest, UnknownCodesAnswerOneAndReachNoHandler) {
    RequestTable table;
    int calls = 0;
    for (RequestCode code : {RequestCode::PresenceTest, RequestCode::RunMenu, RequestCode::FileOperation,
                             RequestCode::PreviewShow, RequestCode::PreviewHide})
        table.setHandler(code, [&](const TrayRequest&) { return ++calls, std::intptr_t{7}; });
    for (unsigned code : {0u, 1u, 2u, 7u, 8u, 12u, 14u, 99u, 101u, 102u, 0xFFFFFFFFu})
        EXPECT_EQ(kUnknownCodeAnswer, table.dispatch(code, RequestSource::OtherProgram, bare(RequestCode{code})))
            << code;
    EXPECT_EQ(0, calls);
}

TEST(RequestTableTest, OwnCodesPostedByAnotherProgramAreIgnored) {
    RequestTable table;
    std::vector<std::intptr_t> seen;
    table.setHandler(RequestCode::FinishCommand, [&](const TrayRequest& r) {
        seen.push_back(r.lParam);
        return std::intptr_t{1};
    });
    table.setHandler(RequestCode::RunFileOperationMenu, [&](const TrayRequest& r) {
        seen.push_back(100 + r.lParam);
        return std::intptr_t{1};
    });
    // Delete (68) of the last item, asked from outside: nothing may happen.
    table.dispatch(11, RequestSource::OtherProgram, bare(RequestCode::FinishCommand, 68));
    table.dispatch(6, RequestSource::OtherProgram, bare(RequestCode::RunFileOperationMenu));
    EXPECT_TRUE(seen.empty());
    table.dispatch(11, RequestSource::TrayItself, bare(RequestCode::FinishCommand, 68));
    table.dispatch(6, RequestSource::TrayItself, bare(RequestCode::RunFileOperationMenu));
    EXPECT_EQ((std::vector<std::intptr_t>{68, 100}), seen);
}

TEST(RequestTableTest, RequestCodesOfOtherProgramsCannotBeQueuedAsTheTraysOwn) {
    RequestTable table;
    int calls = 0;
    table.setHandler(RequestCode::PresenceTest, [&](const TrayRequest&) { return ++calls, std::intptr_t{1}; });
    EXPECT_EQ(kUnknownCodeAnswer, table.dispatch(4, RequestSource::TrayItself, bare(RequestCode::PresenceTest)));
    EXPECT_EQ(0, calls);
}

TEST(RequestTableTest, RefusedSectionReachesNoHandlerAndAnswersZero) {
    RequestTable table;
    int calls = 0;
    table.setHandler(RequestCode::FileOperationItems, [&](const TrayRequest&) { return ++calls, std::intptr_t{1}; });
    EXPECT_EQ(kRefusedRequestAnswer, table.dispatch(5, RequestSource::OtherProgram, std::nullopt));
    EXPECT_EQ(kRefusedRequestAnswer, table.dispatch(3, RequestSource::OtherProgram, std::nullopt));
    EXPECT_EQ(0, calls);
}

TEST(RequestTableTest, HandlerReceivesTheParsedRequestAndItsAnswerIsReturned) {
    RequestTable table;
    table.setHandler(RequestCode::CtrlLetterCommand, [](const TrayRequest& r) {
        return static_cast<std::intptr_t>(r.items.size() * 10 + static_cast<std::size_t>(r.lParam));
    });
    TrayRequest request = bare(RequestCode::CtrlLetterCommand, 3);
    request.items = {L"c:\\a", L"c:\\"};
    EXPECT_EQ(23, table.dispatch(10, RequestSource::OtherProgram, request));
    table.setHandler(RequestCode::CtrlLetterCommand, nullptr);
    EXPECT_FALSE(table.hasHandler(RequestCode::CtrlLetterCommand));
    EXPECT_EQ(0, table.dispatch(10, RequestSource::OtherProgram, request));
}

} // namespace
} // namespace pvn
