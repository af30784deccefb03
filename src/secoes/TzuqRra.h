#pragma once

#include "nucleo/Contribuinte.h"
#include "nucleo/DadoBasico.h"
#include "nucleo/TextoMarcado.h"
#include "secoes/TNaturezaRra.h"
#include "secoes/TNrProcesso.h"
#include "secoes/TValoresRra.h"

#include <cstdint>
#include <memory>

class TErros;
class TTolv;

// One item of income received cumulatively (revenue code 1889): a person's income of one nature
// and one process, with twelve months of values. Type 1 was paid by the declarant itself, type 2
// by court order; the type decides whether the process is required and where findings lead back
// to (object 57 or 58). The checks never raise: they append findings to a list. The item owns
// its members; the declaration is only observed.
class TzuqRra : public TDadoBasico {
 public:
  static constexpr uint8_t kObjetoDeclarante = 57;
  static constexpr uint8_t kObjetoJustica = 58;

  TzuqRra(TTolv* declaracao, uint8_t tipo);
  static std::unique_ptr<TzuqRra> CreateSemDeclaracao(uint8_t tipo);
  ~TzuqRra() override;

  // Clears every member and the key; the type and the declaration stay.
  void Limpar();

  int GetId() const { return m_id; }
  void SetId(int id) { m_id = id; }
  uint8_t GetTipo() const { return m_tipo; }
  void SetTipo(uint8_t tipo) { m_tipo = tipo; }
  TTolv* GetDeclaracao() const { return m_declaracao; }
  void SetTolv(TTolv* declaracao) { m_declaracao = declaracao; }
  // Where the loaders put what they find wrong in stored values (not owned; may be none).
  void SetErros(TErros* erros);

  TContribuinte& GetBeneficiario() { return m_beneficiario; }
  const TContribuinte& GetBeneficiario() const { return m_beneficiario; }
  TNaturezaRra& GetNatureza() { return m_natureza; }
  const TNaturezaRra& GetNatureza() const { return m_natureza; }
  TNrProcesso& GetProcesso() { return m_processo; }
  const TNrProcesso& GetProcesso() const { return m_processo; }
  TContribuinte& GetAdvogado() { return m_advogado; }
  const TContribuinte& GetAdvogado() const { return m_advogado; }
  TInMolestia& GetInMolestia() { return m_inMolestia; }
  const TInMolestia& GetInMolestia() const { return m_inMolestia; }
  TDataLaudo& GetDataLaudo() { return m_dataLaudo; }
  const TDataLaudo& GetDataLaudo() const { return m_dataLaudo; }
  TValoresRra& GetValores() { return m_valores; }
  const TValoresRra& GetValores() const { return m_valores; }

  // 57 for type 1, 58 for type 2, 0 otherwise.
  uint8_t ObjetoPendencia() const;

  // The field rules, then the month rules of months 1 to 12. Needs the declaration.
  TErros& VerificaItem(TErros& erros);
  void VerificaMes(int mes, TErros& erros);
  // The rules over the whole item (verification only). Needs the declaration.
  TErros& VerificaConsistencia(TErros& erros);

  // Raised by the pendency verification while it lists a declaration: the rule on months without
  // income applies only then.
  static void DefineVerificacaoEmCurso(bool emCurso);
  static bool VerificacaoEmCurso();

  // "Jan" .. "Dez" for 1 to 12.
  static QString AbreviaturaMes(int mes);

 private:
  void Adiciona(TErros& erros, uint16_t codigo, const QString& argumentos, uint8_t tipo, const QString& campo,
                uint16_t botoes = 0) const;
  QString ArgumentoMes(int mes) const;

  int m_id = 0;
  TContribuinte m_beneficiario;
  TNaturezaRra m_natureza;
  TNrProcesso m_processo;
  TContribuinte m_advogado;
  TInMolestia m_inMolestia;
  TDataLaudo m_dataLaudo;
  TTolv* m_declaracao;
  TValoresRra m_valores;
  uint8_t m_tipo;
};
