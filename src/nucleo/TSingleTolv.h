#pragma once

// A process-wide object without data that every declaration refers to; only one exists.
class TSingleTolv {
 public:
  static TSingleTolv& Instancia();
  TSingleTolv(const TSingleTolv&) = delete;
  TSingleTolv& operator=(const TSingleTolv&) = delete;

 private:
  TSingleTolv() = default;
};
