// A calculation allocates nothing: global operator new and delete are replaced in
// this test binary and count the allocations made while the pipeline runs.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

#include "analysis/pipeline.h"
#include "analysis/stability.h"
#include "model/aircraft_inputs.h"
#include "model/text_to_double.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void* Allocate(std::size_t size) {
    if (counting.load()) {
        ++allocations;
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
    if (counting.load()) {
        ++allocations;
    }
    const auto align = static_cast<std::size_t>(alignment);
    const std::size_t rounded = (size + align - 1) / align * align;
    if (void* p = std::aligned_alloc(align, rounded == 0 ? align : rounded)) {
        return p;
    }
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return AllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return AllocateAligned(size, alignment);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}

namespace kalvesta {
namespace {

// Counts the allocations of one pipeline run on the start-up aircraft.
long AllocationsOfOneCalculation(AnalysisData& data, int wing_count) {
    AircraftInputs inputs = DefaultAircraftInputs();
    inputs.wing_count = wing_count;
    Aircraft aircraft;
    PrepareForCalculation(aircraft, inputs);
    data.memo.Reset();
    PipelineObserver observer;

    allocations = 0;
    counting = true;
    const PipelineOutcome outcome = RunPipeline(aircraft, data, observer);
    ComputeStability(aircraft.calc_wing_count, TextToDouble("7.5"), data.results);
    counting = false;

    EXPECT_EQ(outcome, PipelineOutcome::kCompleted);
    return allocations.load();
}

TEST(PipelineAllocations, CountingWorks) {
    allocations = 0;
    counting = true;
    auto probe = std::make_unique<int>(1);
    counting = false;
    EXPECT_GE(allocations.load(), 1);
}

TEST(PipelineAllocations, CalculationAllocatesNothing) {
    auto data = std::make_unique<AnalysisData>();
    EXPECT_EQ(AllocationsOfOneCalculation(*data, 2), 0);
    // Again on the same data, and with a smaller system.
    EXPECT_EQ(AllocationsOfOneCalculation(*data, 2), 0);
    EXPECT_EQ(AllocationsOfOneCalculation(*data, 1), 0);
}

}  // namespace
}  // namespace kalvesta
