#pragma once

#include <QString>

#include <cstdint>
#include <memory>

#include "nucleo/TTolvAnexo.h"

class IQuadroVerificacao;
class ILinhasAnexo;
class TAdvogadoAnexo;
class TDeclaranteAnexo;
class TErros;
class TTolv;

// A fund or investment club that the declarant administers (annex kind 0) or a judicial
// process whose court-ordered payments it made (kind 1): an owner of beneficiary lines with its
// identification, its court and lawyer (processes), and the checks that the declaration's
// verification runs over it.
class TAnexoFC : public TTolvAnexo {
 public:
  static constexpr int16_t kFundo = 0;
  static constexpr int16_t kProcesso = 1;
  static constexpr uint8_t kSemJustica = 255;

  // A fund: its identification is a head-office CNPJ.
  explicit TAnexoFC(TTolv& declaracao);
  // An annex of the kind; a process is identified by a CPF, CNPJ or process number.
  TAnexoFC(TTolv& declaracao, int16_t tipo);
  ~TAnexoFC() override;

  // The list becomes this annex's; the identification reports to the declaration's list.
  void SetErros(TErros* erros) override;
  // The source key, identification and summary, then the court and the lawyer; not the kind.
  void Atribui(TTolvAnexo& destino) override;
  TTolv& GetDeclaracao() override { return *m_declaracao; }
  bool EhAnexoFC() const override { return true; }

  // Lines, summary, identification, key, lawyer, error list and court cleared.
  void LimpaAnexo();

  TDeclaranteAnexo& GetIdentificacao();
  TAdvogadoAnexo& GetAdvogado() { return *m_advogado; }
  int16_t GetTipoAnexo() const { return m_tipoAnexo; }
  void SetTipoAnexo(int16_t tipo) { m_tipoAnexo = tipo; }
  // The 0-based place of a process among the processes, as the last search found it.
  int GetPosicao() const { return m_posicao; }
  void SetPosicao(int posicao) { m_posicao = posicao; }

  // "Justiça federal", "Justiça do trabalho", "Justiça estadual e do Distrito Federal" for the
  // courts 0, 1 and 2; empty for any other.
  static QString DescricaoJustica(uint8_t tipoProcesso);
  // The court byte as stored in TIPO_PROCESSO ("1", "2", "3"; "0" for none) and back.
  static QString TipoProcessoGravado(uint8_t tipoProcesso);
  static uint8_t TipoProcessoLido(const QString& coluna);

  // The checks of the identification itself, into the list given.
  void VerificaIdentificacao(TErros& erros);
  // One fund: its identification, a health-plan operator with its CNPJ, each of its lines.
  void VerificaAnexo(TErros& erros, IQuadroVerificacao& quadro, int& contador, ILinhasAnexo& linhas);
  // Every process of the declaration, on this working annex: identification, lawyer, number,
  // each line. Stops after the current row once the frame is stopped.
  void VerificaProcessos(TErros& erros, IQuadroVerificacao& quadro, int& contador, ILinhasAnexo& linhas);

 private:
  TTolv* m_declaracao;
  int16_t m_tipoAnexo;
  std::unique_ptr<TAdvogadoAnexo> m_advogado;
  int m_posicao = 0;
};
