#include "worksheets/loan_data/loan_data_dlg.h"
#include "worksheets/loan_data/loan_fees_dlg.h"

#include "resources/strings.h"
#include "worksheets/worksheet_fixture.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

using namespace test;

enum { Frequency = 30, Count = 31, Rate = 32, Principal = 33, Balloon = 35, Ok = 1085 };

struct LoanForm {
    explicit LoanForm(int captionId = IDS_CURRENT_LOAN_DATA) : dlg(captionId), host(dlg) {
        TheDecimalFieldMemory() = {};
    }
    void Fill(const char* count, const char* rate, const char* principal, const char* balloon) {
        dlg.Open();
        const std::pair<int, const char*> fields[] = {
            {Count, count}, {Rate, rate}, {Principal, principal}, {Balloon, balloon}};
        for (auto [id, text] : fields)
            host.Enter(id, text);
        host.Click(Ok);
    }
    CLoanDataDlg dlg;
    RecordingHost host;
};

TEST(LoanData, OpensWithTheCallersTermsAndCaption) {
    LoanForm current;
    current.dlg.Open();
    EXPECT_EQ(current.dlg.Caption(), "Current Loan Data");
    ExpectTexts(current.dlg, {Frequency}, "Monthly");
    ExpectTexts(current.dlg, {Count, Rate, Principal}, "");
    ExpectTexts(current.dlg, {Balloon}, "0.00");

    LoanForm future(IDS_FUTURE_LOAN_DATA);
    future.dlg.loan = {4, 0.0, 120.0, 6.25, 1234.565, -10.0, 0.0};
    future.dlg.Open();
    EXPECT_EQ(future.dlg.Caption(), "Future Loan Data");
    EXPECT_EQ(future.dlg.Text(Frequency), "Semiannually");
    EXPECT_EQ(future.dlg.Text(Count), "120");
    EXPECT_EQ(future.dlg.Text(Rate), "6.250");
    EXPECT_EQ(future.dlg.Text(Balloon), "-10.00");
    EXPECT_EQ(future.dlg.loan.periodsPerYear, 2.0);
}

TEST(LoanData, OkComputesThePaymentOfAnOrdinaryAnnuity) {
    const struct {
        int frequency, perYear;
        const char *count, *rate, *principal, *balloon;
        int n;
        double r, p, b;
    } cases[] = {
        {2, 12, "360", "7.5", "100000", "0", 360, 7.5, 100000, 0},
        {0, 52, "104", "5", "20000", "5000", 104, 5, 20000, 5000},
        {5, 1, "10", "12.125", "5000.55", "-100", 10, 12.125, 5000.55, -100},
    };
    for (const auto& c : cases) {
        LoanForm f;
        f.dlg.loan.frequency = c.frequency;
        f.Fill(c.count, c.rate, c.principal, c.balloon);
        EXPECT_EQ(f.host.result, FormResult::Ok) << c.count;
        EXPECT_EQ(f.dlg.loan.periodsPerYear, c.perYear);
        EXPECT_NEAR(f.dlg.loan.payment, LoopPayment(c.p, c.r, c.perYear, c.n, c.b), 1e-7);
        EXPECT_EQ(f.dlg.loan.principal, c.p);
        EXPECT_EQ(f.dlg.loan.balloon, c.b);
    }
    // The textbook payment of a 30-year 7.5 % mortgage of 100000.
    LoanForm f;
    f.Fill("360", "7.5", "100000", "0");
    EXPECT_EQ(FormatFixed(f.dlg.loan.payment, 2), "699.21");
}

TEST(LoanData, OkRefusesMissingOrOutOfRangeTermsAndUnpayableLoans) {
    const struct {
        const char *count, *rate, *principal, *balloon;
        const char* message;
        int focus; // 0: no focus move
    } cases[] = {
        {"", "7.5", "1000", "0", "Please enter data...", Count},
        {"12", "0", "1000", "0", "Number exceeds preset limits...", Rate},
        {"12", "7.5", "0.00", "0", "Number exceeds preset limits...", Principal},
        {"12", "7.5", "1000", "", "Please enter data...", Balloon},
        // The balloon outweighs the principal: a negative payment.
        {"12", "7.5", "1000", "5000", "Unknown exceeds preset limits...", 0},
    };
    for (const auto& c : cases) {
        LoanForm f;
        f.Fill(c.count, c.rate, c.principal, c.balloon);
        EXPECT_EQ(f.host.result, FormResult::None) << c.message;
        EXPECT_EQ(f.host.LastMessage(), c.message);
        if (c.focus) {
            EXPECT_EQ(f.host.focus, c.focus) << c.message;
        }
        EXPECT_EQ(f.dlg.loan.payment, 0.0);
    }
}

TEST(LoanData, AFutureLoanMayFallShortOfTheAmountOwedByLessThanACent) {
    const struct {
        const char* principal;
        bool accepted;
    } cases[] = {
        {"95000.46", true}, // the amount owed, rounded to the cent
        {"95000.45", true}, // rounded down: 0.67 cent short
        {"95000.44", false},
    };
    for (const auto& c : cases) {
        LoanForm f(IDS_FUTURE_LOAN_DATA);
        f.dlg.futureLoan = true;
        f.dlg.minimumPrincipal = 95000.4567;
        f.Fill("300", "6", c.principal, "0");
        if (c.accepted) {
            EXPECT_EQ(f.host.result, FormResult::Ok) << c.principal;
            EXPECT_TRUE(f.host.messages.empty()) << c.principal;
            continue;
        }
        EXPECT_EQ(f.host.result, FormResult::None) << c.principal;
        EXPECT_EQ(f.host.LastMessage(), "New loan less than current loan...");
        EXPECT_EQ(f.dlg.Text(Principal), "95000.46");
        EXPECT_EQ(f.host.focus, Principal);
        // The principal put back is accepted by the next OK.
        f.host.Click(Ok);
        EXPECT_EQ(f.host.result, FormResult::Ok);
    }
    // The current loan has no minimum.
    LoanForm current;
    current.dlg.minimumPrincipal = 95000.4567;
    current.Fill("300", "6", "100", "0");
    EXPECT_EQ(current.host.result, FormResult::Ok);
}

TEST(LoanFees, OkReadsTheThreeCostsAndCancelKeepsThem) {
    CLoanFeesDlg dlg;
    RecordingHost host(dlg);
    TheDecimalFieldMemory() = {};
    dlg.Open();
    EXPECT_EQ(dlg.Caption(), "Future Loan Fees");
    ExpectTexts(dlg, {1061, 1063}, "0.000");
    ExpectTexts(dlg, {1059}, "0.00");
    host.Enter(1061, "2");
    host.Enter(1063, "1.5");
    host.Enter(1059, "");
    host.Click(1086);
    EXPECT_EQ(host.LastMessage(), "Please enter data...");
    EXPECT_EQ(host.focus, 1059);
    host.Enter(1059, "350.25");
    host.Click(1086);
    EXPECT_EQ(host.result, FormResult::Ok);
    EXPECT_EQ(dlg.fees.penalty, 2.0);
    EXPECT_EQ(dlg.fees.points, 1.5);
    EXPECT_EQ(dlg.fees.otherCosts, 350.25);

    CLoanFeesDlg cancelled;
    RecordingHost cancelHost(cancelled);
    cancelled.fees = {1, 2, 3};
    cancelled.Open();
    cancelHost.Enter(1063, "9");
    cancelHost.Click(IDCANCEL);
    EXPECT_EQ(cancelHost.result, FormResult::Cancel);
    EXPECT_EQ(cancelled.fees.points, 2.0);
}

} // namespace
} // namespace kavrel
