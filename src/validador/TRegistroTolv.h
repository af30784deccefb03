#pragma once

#include <array>

#include "plataforma/bd/Transacao.h"
#include "validador/TRegistroTransferObject.h"

// The header of the declaration (TOLV, RESPO and the declarant record), stored twice: in the
// declaration's database (INCLUI_ATU_TOLV, at every store) and in the index (its INCLUI_ATU_TOLV,
// once per pass, on a transaction of its own on the index connection). The first store keeps both
// or neither; a failure on either side is thrown, so that a run never reports a declaration the
// index does not list.
class TRegistroTolv : public TRegistroTransferObject {
 public:
  TRegistroTolv(TDataAccess& banco, TArquivoDados& dados);
  ~TRegistroTolv() override;

  void Grava() override;
  void ReiniciaParametros() override;
  void Preenche(const TLinhaI& linha) override;

  enum Campo {
    kAnRetenca, kInRetific, kNrRecibo, kRespPf, kNmResp, kEdDdd, kEdTelefone, kEdRamal, kEdFax, kEdEmail,
    kNrDisquetes, kNrEstabes, kInLucDiv, kInPagTitMic, kInPfPj, kNrPfPj, kNmNmEmpr, kInNatureza, kInRemessa,
    kDataEvento, kInEncerra, kTipoEvento, kInPlanoSaude, kInServicoNotarial, kInGeracao, kRespNoCnpj,
    kInOstensivo, kInAdvogado, kInAdmFc, kInCopa, kInTipo, kTolvDk, kArquivo, kScp, kCampos
  };

 private:
  void Texto(Campo campo, QStringView texto);
  void Inteiro(Campo campo, int64_t valor);
  void SimNao(Campo campo, bool sim);
  void UmZero(Campo campo, bool um);
  void PreencheDeclarante(const TLinhaI& linha, bool pessoa);

  bd::Transacao m_transacaoIndice;
  // Each field's input in the declaration's call and in the index's, -1 where it has none.
  std::array<int, kCampos> m_posicaoDeclaracao{};
  std::array<int, kCampos> m_posicaoIndice{};
  bool m_pendenteIndice = true;
};
