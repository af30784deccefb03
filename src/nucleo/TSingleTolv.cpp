#include "nucleo/TSingleTolv.h"

TSingleTolv& TSingleTolv::Instancia() {
  static TSingleTolv instancia;
  return instancia;
}
