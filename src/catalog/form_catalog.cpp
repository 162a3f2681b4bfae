// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/form_catalog.h"

#include "calculators/annuity/annuity_fv_dlg.h"
#include "calculators/annuity/annuity_pv_dlg.h"
#include "calculators/bond/bond_dlg.h"
#include "calculators/certificate_of_deposit/certificate_of_deposit_dlg.h"
#include "calculators/compound/compound_dlg.h"
#include "calculators/date_arithmetic/date_arithmetic_dlg.h"
#include "calculators/discounted_cash_flow/discounted_cash_flow_dlg.h"
#include "calculators/discounted_note/discounted_note_dlg.h"
#include "calculators/loan_amortization/loan_amortization_dlg.h"
#include "calculators/simple_interest/bank_discount_dlg.h"
#include "calculators/simple_interest/simple_interest_dlg.h"
#include "calculators/unequal_payments/unequal_payments_dlg.h"
#include "resources/strings.h"
#include "worksheets/income_from_savings/income_from_savings_dlg.h"
#include "worksheets/prepay/prepay_dlg.h"
#include "worksheets/purchased_mortgage/purchased_mortgage_dlg.h"
#include "worksheets/refinance/refinance_dlg.h"

namespace kavrel {

namespace {

template <class Form, class... Args>
std::function<std::unique_ptr<CFormModel>()> Make(Args... args) {
    return [=] { return std::make_unique<Form>(args...); };
}

} // namespace

std::span<const FormEntry> FormCatalog() {
    // In the order of kavrel-calc --list.
    static const FormEntry entries[] = {
        {"compound-interest", CCompoundDlg::CommandId, "Compound Interest", Make<CCompoundDlg>()},
        {"loan", CAnnuityPvDlg::LoanCommand, "Loan (Ordinary Annuity)",
         Make<CAnnuityPvDlg>(IDS_LOAN_CAPTION)},
        {"lease", CAnnuityPvDlg::LeaseCommand, "Lease (Annuity Due)",
         Make<CAnnuityPvDlg>(IDS_LEASE_CAPTION)},
        {"save", CAnnuityFvDlg::SaveCommand, "Save (Annuity Due)",
         Make<CAnnuityFvDlg>(IDS_SAVE_CAPTION)},
        {"sinking-fund", CAnnuityFvDlg::SinkingFundCommand, "Sinking Fund (Ordinary Annuity)",
         Make<CAnnuityFvDlg>(IDS_SINKING_FUND_CAPTION)},
        {"unequal-payments", CUnequalPaymentsDlg::CommandId,
         "Ordinary Annuity with Unequal Payments", Make<CUnequalPaymentsDlg>()},
        {"discounted-cash-flow", CDiscountedCashFlowDlg::CommandId, "Discounted Cash Flow",
         Make<CDiscountedCashFlowDlg>()},
        {"simple-interest", CSimpleInterestDlg::CommandId, "Exact Simple Interest",
         Make<CSimpleInterestDlg>()},
        {"bank-discount", CBankDiscountDlg::CommandId, "Bank Discount", Make<CBankDiscountDlg>()},
        {"loan-amortization", CLoanAmortizationDlg::CommandId, "Loan Amortization",
         Make<CLoanAmortizationDlg>()},
        {"corporate-bond", CBondDlg::CorporateCommandId, "Corporate Bond",
         Make<CBondDlg>(CBondDlg::Corporate)},
        {"treasury-bond", CBondDlg::TreasuryCommandId, "Treasury Bond",
         Make<CBondDlg>(CBondDlg::Treasury)},
        {"certificate-of-deposit", CCertificateOfDepositDlg::CommandId,
         "Certificate of Deposit (CD)", Make<CCertificateOfDepositDlg>()},
        {"discounted-note", CDiscountedNoteDlg::CommandId, "Discounted Note",
         Make<CDiscountedNoteDlg>()},
        {"date-arithmetic", CDateArithmeticDlg::CommandId, "Date Arithmetic",
         Make<CDateArithmeticDlg>()},
        {"refinance-mortgage", CRefinanceDlg::CommandId, "Refinancing a Mortgage",
         Make<CRefinanceDlg>()},
        {"prepay-mortgage", CPrepayDlg::CommandId, "Prepay Mortgage", Make<CPrepayDlg>()},
        {"purchased-mortgage", CPurchasedMortgageDlg::CommandId, "Purchased Mortgage Yield",
         Make<CPurchasedMortgageDlg>()},
        {"income-from-savings", CIncomeFromSavingsDlg::CommandId, "Income From Your Savings",
         Make<CIncomeFromSavingsDlg>()},
    };
    return entries;
}

const FormEntry* FindFormBySlug(std::string_view slug) {
    for (const FormEntry& entry : FormCatalog())
        if (entry.slug == slug) return &entry;
    return nullptr;
}

int FormCommand(std::string_view slug) {
    const FormEntry* entry = FindFormBySlug(slug);
    return entry ? entry->commandId : 0;
}

const FormEntry* FindFormByCommand(int commandId) {
    for (const FormEntry& entry : FormCatalog())
        if (entry.commandId == commandId) return &entry;
    return nullptr;
}

} // namespace kavrel
