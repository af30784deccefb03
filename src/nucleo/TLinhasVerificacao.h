#pragma once

#include <functional>
#include <memory>

#include "nucleo/ILinhasAnexo.h"

class TColecaoTolvItem;
class TErros;
class TTolv;
class TTolvAnexo;
class TTolvItem;

// The lines that the checks of a fund or of the processes walk, read from the database: a
// read-only lines collection of the annex in list mode (each line with its child values in one
// row) and one line object reused for every line. The line's own pendency check is the caller's.
class TLinhasVerificacao : public ILinhasAnexo, public ILinhaVerificavel {
 public:
  using VerificaLinha = std::function<void(TTolvItem& linha, TErros& erros)>;

  // The annex (and the declaration) must outlive this object.
  TLinhasVerificacao(TTolv& declaracao, TTolvAnexo& anexo, VerificaLinha verifica);
  ~TLinhasVerificacao() override;

  void CarregaPrimeiro() override;
  void CarregaProximo() override;
  bool NoFim() override;
  bool Vazia() override;
  void CarregaItemProcesso(bd::Consulta& linha) override;
  ILinhaVerificavel& GetLinha() override { return *this; }

  void Verifica(TErros& erros) override;
  const TContribuinte& GetBeneficiario() const override;
  void SetTipoAnexo(int16_t tipo) override;

  TTolvItem& GetItem() { return *m_linha; }

 private:
  std::unique_ptr<TColecaoTolvItem> m_colecao;
  std::unique_ptr<TTolvItem> m_linha;
  VerificaLinha m_verifica;
};
