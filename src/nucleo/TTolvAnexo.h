#pragma once

#include <QString>

#include <cstdint>
#include <memory>

#include "nucleo/Contribuinte.h"

class TColecaoCodigoRetencao;
class TColecaoTolvItem;
class TErros;
class TResumo;
class TTolv;

// The owner of a set of beneficiary lines: the declaration itself (TTolv) or one of its fund,
// club or process annexes. Keeps the owner's identity, its source key in the declaration's
// database, the totals of its lines and the collections it creates on first use.
class TTolvAnexo {
 public:
  TTolvAnexo();
  virtual ~TTolvAnexo();
  TTolvAnexo(const TTolvAnexo&) = delete;
  TTolvAnexo& operator=(const TTolvAnexo&) = delete;

  // Attaches the list where the checks of loaded values go (not owned).
  virtual void SetErros(TErros* erros) = 0;
  // Frees the lines collection and the own summary, clears the identity and the source key.
  virtual void Limpar();
  // Frees the lines collection.
  virtual void LiberaItens();
  // Copies the source key, the identity and the own summary.
  virtual void Atribui(TTolvAnexo& destino);

  // The declaration whose header (year, nature, indicators) rules this owner's lines.
  virtual TTolv& GetDeclaracao() = 0;
  // A fund, club or process annex (TAnexoFC) rather than the declarant's own lines.
  virtual bool EhAnexoFC() const { return false; }

  // This owner's beneficiary lines, created on first use (interactive, no mode chosen yet: the
  // user calls SetModoLista) and freed by LiberaItens.
  TColecaoTolvItem& GetItens();
  // Created on first use for this owner; freed when the declaration's year changes.
  TColecaoCodigoRetencao& GetColecaoCodigoRetencao();
  // The totals of this owner's lines; recreated on first use after Limpar.
  TResumo& GetResumo();
  TContribuinte& GetContribuinte() { return *m_contribuinte; }
  const TContribuinte& GetContribuinte() const { return *m_contribuinte; }
  // FONTE_DK: "1" for the declaration, the annex's key, empty while an annex is not stored.
  const QString& GetFonteDK() const { return m_fonteDK; }
  void SetFonteDK(const QString& fonte) { m_fonteDK = fonte; }
  TErros* GetErros() const { return m_erros; }
  // Every owner reports its lines' monthly deductions, whatever the declaration's flag says.
  bool GetPossuiDeducoes() const { return true; }
  // The court of a process annex: 0 federal, 1 labour, 2 state; 255 none.
  uint8_t GetTipoProcesso() const { return m_tipoProcesso; }
  void SetTipoProcesso(uint8_t tipo) { m_tipoProcesso = tipo; }

 protected:
  // An owner whose identity is of a class of its own (an annex's identification).
  explicit TTolvAnexo(std::unique_ptr<TContribuinte> identidade);

  // Frees the collections this owner keeps, the lines collection first: a declaration calls
  // it before freeing its summaries collection, which the lines collection still uses.
  void LiberaColecoesDoDono();
  void LiberaColecaoCodigoRetencao();

  TErros* m_erros = nullptr;
  uint8_t m_deducoesInformadas = 0;

 private:
  // Destroyed in reverse order: the collections before the summary and the identity.
  std::unique_ptr<TContribuinte> m_contribuinte;
  std::unique_ptr<TResumo> m_resumo;
  QString m_fonteDK;
  uint8_t m_tipoProcesso = 255;
  std::unique_ptr<TColecaoCodigoRetencao> m_codigosRetencao;
  // After the revenue codes, which it uses: destroyed before them.
  std::unique_ptr<TColecaoTolvItem> m_itens;
};
