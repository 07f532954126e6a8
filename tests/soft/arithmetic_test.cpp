// FADD, FSUB, FMUL, FDIV and FSQRT of the software model against the host's
// x87 unit, bit for bit: a million random operand pairs per operation, and
// every pair of the special operands.
#include <gtest/gtest.h>

#include "core/extended_ops.h"
#include "tests/soft/host_unit.h"
#include "tests/soft/mismatch.h"
#include "tests/soft/operands.h"

namespace {

using Binary = Extended (*)(const Extended&, const Extended&);

struct BinaryOperation {
    const char* name;
    Binary model;
    Binary reference;
    operands::Combine combine;
};

const BinaryOperation kBinaryOperations[] = {
    {"Add", ext::Add, unit::Add, operands::Combine::kSum},
    {"Sub", ext::Sub, unit::Sub, operands::Combine::kSum},
    {"Mul", ext::Mul, unit::Mul, operands::Combine::kProduct},
    {"Div", ext::Div, unit::Div, operands::Combine::kQuotient},
};

constexpr long kRandomPairs = 1000000;

class BinaryAgainstUnit : public testing::TestWithParam<BinaryOperation> {
   protected:
    void SetUp() override { ASSERT_EQ(unit::ControlWord(), unit::kInitialControlWord); }

    void Check(const Extended& a, const Extended& b)
    {
        const Extended got = GetParam().model(a, b);
        const Extended expected = GetParam().reference(a, b);
        if (got != expected) {
            log_.Record(mismatch::Hex(a) + " " + mismatch::Hex(b), mismatch::Hex(got),
                        mismatch::Hex(expected));
        }
    }

    mismatch::Log log_;
};

TEST_P(BinaryAgainstUnit, RandomOperands)
{
    operands::Rng rng(0x51F7 + static_cast<unsigned>(GetParam().combine));
    for (long i = 0; i < kRandomPairs; ++i) {
        const Extended a = i % 4 == 0 ? operands::Any(rng) : operands::Finite(rng);
        const Extended b = operands::Partner(a, GetParam().combine, rng);
        Check(a, b);
        Check(b, a);
    }
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

TEST_P(BinaryAgainstUnit, EverySpecialPair)
{
    for (int i = 0; i < operands::kSpecialCount; ++i) {
        for (int j = 0; j < operands::kSpecialCount; ++j) {
            Check(operands::kSpecials[i], operands::kSpecials[j]);
        }
    }
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

std::string OperationName(const testing::TestParamInfo<BinaryOperation>& operation)
{
    return operation.param.name;
}

INSTANTIATE_TEST_SUITE_P(Arithmetic, BinaryAgainstUnit, testing::ValuesIn(kBinaryOperations),
                         OperationName);

class SqrtAgainstUnit : public testing::Test {
   protected:
    void SetUp() override { ASSERT_EQ(unit::ControlWord(), unit::kInitialControlWord); }

    void Check(const Extended& a)
    {
        const Extended got = ext::Sqrt(a);
        const Extended expected = unit::Sqrt(a);
        if (got != expected)
            log_.Record(mismatch::Hex(a), mismatch::Hex(got), mismatch::Hex(expected));
    }

    mismatch::Log log_;
};

TEST_F(SqrtAgainstUnit, RandomOperands)
{
    operands::Rng rng(0x5A27);
    for (long i = 0; i < kRandomPairs; ++i)
        Check(i % 4 == 0 ? operands::Any(rng) : operands::Finite(rng));
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

// Squares of short significands have exact roots; their neighbours sit just
// beside them.
TEST_F(SqrtAgainstUnit, ExactSquaresAndNeighbours)
{
    operands::Rng rng(0x5A28);
    for (long i = 0; i < kRandomPairs / 4; ++i) {
        const Extended root = operands::Finite(rng);
        const Extended square = unit::Mul(root, root);
        Check(square);
        Check(MakeExtended(SignAndExponentOf(square), SignificandOf(square) + 1));
        Check(MakeExtended(SignAndExponentOf(square), SignificandOf(square) - 1));
    }
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

TEST_F(SqrtAgainstUnit, EverySpecialOperand)
{
    for (int i = 0; i < operands::kSpecialCount; ++i) Check(operands::kSpecials[i]);
    EXPECT_EQ(log_.count, 0) << log_.examples;
}

}  // namespace
