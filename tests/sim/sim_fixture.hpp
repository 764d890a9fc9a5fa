// A simulator with the device bound through DeviceLink, as the console binds it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "device/device_link.hpp"
#include "device/requests.hpp"
#include "sim/simulator.hpp"

class BoundBoard : public ::testing::Test {
protected:
  void Bind(std::vector<std::string> settings = {}) {
    sim = std::make_unique<sim::Simulator>(settings, sim::TimeMode::Virtual);
    recorder = std::make_unique<ks::Recorder>(sim->clock());
    link.SetRecorder(recorder.get());
    ASSERT_TRUE(link.FindDevice(sim->catalog()));
    recorder->stats().Mark();
  }
  void SetUp() override { Bind(); }
  sim::Board& board() { return sim->board(); }

  std::unique_ptr<sim::Simulator> sim;
  std::unique_ptr<ks::Recorder> recorder;
  DeviceLink link;
};
