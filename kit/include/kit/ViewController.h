// A controller that loads its view from a layout file in a bundle's Resources folder
// ("<Resources>/<nibName>.json"). Subclasses declare their outlets, actions and custom
// classes in bindLayout, and finish their set-up in awakeFromNib.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "kit/Bundle.h"
#include "kit/Layout.h"
#include "kit/Object.h"

namespace kit {

class View;

class ViewController : public Object {
 public:
  // Without a bundle the layout file is looked for as "<nibName>.json" from the
  // current folder.
  ViewController(std::string nibName, std::optional<Bundle> bundle);
  ~ViewController() override;

  // Loads the layout on first use: the element with the outlet "view" becomes the view.
  // Throws LayoutError when the layout cannot be loaded; nothing is connected then, and
  // the next call tries again.
  View* view();
  bool isViewLoaded() const { return layout_ != nullptr; }
  const std::string& nibName() const { return nibName_; }
  // The layout file's path.
  std::string layoutPath() const;
  // The loaded layout (owning the views, windows and objects it made), or nullptr.
  Layout* layout() const { return layout_.get(); }

 protected:
  // Declares the outlets, actions and custom classes of the layout. The base binds the
  // outlet "view".
  virtual void bindLayout(LayoutBindings& bindings);

 private:
  void loadView();

  std::string nibName_;
  std::optional<Bundle> bundle_;
  std::unique_ptr<Layout> layout_;
  View* view_ = nullptr;
};

}  // namespace kit
