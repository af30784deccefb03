#pragma once

#include <array>

#include "validador/TRegistroTransferObject.h"

// A beneficiary of payments abroad (BRPDE), stored with INCLUI_REMESSA under a key of the
// sequence its editor uses too; the key becomes the beneficiary of the payments that follow.
class TRegistroBRPDE : public TRegistroTransferObject {
 public:
  TRegistroBRPDE(TDataAccess& banco, TArquivoDados& dados);
  void Grava() override;
  void Preenche(const TLinhaI& linha) override;

 private:
  enum Campo {
    kChave, kNif, kPais, kTipoBeneficiario, kDispensaBeneficiario, kDispensaPais, kTipoNi, kNi, kNome, kRelacao,
    kLogradouro, kNumero, kComplemento, kBairro, kCaixaPostal, kCidade, kEstado, kTelefone, kCampos
  };
  std::array<int, kCampos> m_campo{};
  int m_chaveSaida = -1;
};
