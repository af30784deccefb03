#pragma once

#include <functional>
#include <memory>

class TBeneficiarioTolv;
class TColecaoCompensavel;
class TColecaoComprovantePF;
class TColecaoComprovantePJ;
class TComprovante;
class TTolv;
class TTolvItem;

// The one door through which income statements are loaded and saved: a statement is built from
// the beneficiary's lines of every source of the declaration, then completed with what is stored
// for it. Owns the three storage collections, made together for one declaration, which must
// outlive them.
class TColecaoComprovante {
 public:
  // Hands every line of the beneficiary, of every source of its declaration, to the receiver.
  using FonteLinhas = std::function<void(const TBeneficiarioTolv&, const std::function<void(TTolvItem&)>&)>;

  explicit TColecaoComprovante(TTolv& declaracao);
  ~TColecaoComprovante();
  TColecaoComprovante(const TColecaoComprovante&) = delete;
  TColecaoComprovante& operator=(const TColecaoComprovante&) = delete;

  // Adds the beneficiary's lines to the statement (which is not cleared first), then the stored
  // parts of a person's or a company's statement. True.
  bool CarregaComprovante(TComprovante& comprovante);
  // A person's statement: 2 when neither it nor its complementary information changed, else what
  // the store answers (0 nothing stored, 1 inserted, 2 updated, 3 a duplicate of the import);
  // the partial amounts are stored in both cases. A company's statement: stored, 2.
  int GravaComprovante(TComprovante& comprovante);

  TColecaoComprovantePF& GetColecaoPF() { return *m_pf; }
  TColecaoComprovantePJ& GetColecaoPJ() { return *m_pj; }
  TColecaoCompensavel& GetColecaoCompensavel() { return *m_compensavel; }

  // Where the lines come from; by default the declaration's lines collection.
  void DefineFonteLinhas(FonteLinhas fonte) { m_fonteLinhas = std::move(fonte); }

 private:
  std::unique_ptr<TColecaoComprovantePF> m_pf;
  std::unique_ptr<TColecaoComprovantePJ> m_pj;
  std::unique_ptr<TColecaoCompensavel> m_compensavel;
  FonteLinhas m_fonteLinhas;
};
